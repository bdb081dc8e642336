#include "editor/EditKeys.h"

#include "core/Level.h"
#include "editor/BoardMouse.h"
#include "editor/LevelDocument.h"
#include "editor/StatusColumn.h"
#include "editor/TestMode.h"
#include "ui/BoardPicture.h"

#include <QKeyEvent>

#include <utility>

EditKeys::EditKeys(BoardPicture& picture, TestMode& test, LevelDocument& document, BoardMouse& mouse,
                   const Level& level, std::function<void()> redraw, QObject* parent)
    : QObject(parent), m_test(test), m_document(document), m_mouse(mouse), m_level(level), m_redraw(std::move(redraw))
{
    picture.installEventFilter(this);
    const QString editing = tr("20 rows of 20 squares. The arrow keys move the cursor, Space or Enter places the "
                               "chosen picture there, and the keys 1 to 9 choose a picture of the palette.");
    picture.setAccessibleDescription(editing);
    // During a test the board says what the game's board says.
    connect(&test, &TestMode::modeChanged, this, [this, &picture, editing](bool editMode) {
        picture.setAccessibleDescription(editMode ? editing : QString());
        m_cursor.hide();
    });
}

std::optional<CellIndex> EditKeys::cursorCell() const
{
    return m_cursor.shown() ? std::optional(m_cursor.cell()) : std::nullopt;
}

bool EditKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_test.editMode())
        return false;
    if (event->type() == QEvent::MouseButtonPress && m_cursor.shown()) {
        m_cursor.hide();
        m_redraw();
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const int picture = press->key() - Qt::Key_1;
    if (picture >= 0 && picture < int(StatusColumn::Palette.size()) && !(press->modifiers() & ~Qt::KeypadModifier)) {
        m_mouse.choosePicture(StatusColumn::Palette[std::size_t(picture)].code);
        return true;
    }
    const std::optional<BoardKey> key = boardKeyOf(*press);
    if (!key || *key == BoardKey::Next || *key == BoardKey::Previous || *key == BoardKey::LetGo)
        return false;  // Tab goes on to the next control
    if (*key == BoardKey::Choose && m_cursor.shown())
        m_document.place(m_cursor.cell(), m_mouse.selectedCode());
    else
        m_cursor.press(*key, m_level.board, Selection{}, DragPoints{});  // moves it; nothing selected
    m_redraw();
    return true;
}
