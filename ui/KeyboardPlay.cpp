#include "ui/KeyboardPlay.h"

#include "ui/BoardPicture.h"

#include <utility>

KeyboardPlay::KeyboardPlay(BoardPicture& picture, const PlayField& field, Entries entries, std::function<void()> redraw,
                           QObject* parent)
    : QObject(parent), m_field(field), m_entries(std::move(entries)), m_redraw(std::move(redraw))
{
    connect(&picture, &BoardPicture::KeyCommand, this, &KeyboardPlay::key);
    connect(&picture, &BoardPicture::MouseDown, this, &KeyboardPlay::hideCursor);
}

std::optional<CellIndex> KeyboardPlay::cursorCell()
{
    m_cursor.follow(m_field.selection);
    return m_cursor.shown() ? std::optional(m_cursor.cell()) : std::nullopt;
}

void KeyboardPlay::hideCursor()
{
    if (!m_cursor.shown())
        return;
    m_cursor.hide();
    m_redraw();
}

void KeyboardPlay::key(BoardKey key, bool repeat)
{
    if (repeat && m_commanded)
        return;
    const std::vector<GameInput> inputs = m_cursor.press(key, m_field.board(), m_field.selection, m_field.drag());
    m_commanded = !inputs.empty();
    for (const GameInput& input : inputs) {
        switch (input.kind) {
        case GameInput::Kind::MouseDown:
            m_entries.press(input.x, input.y);
            break;
        case GameInput::Kind::MouseMove:
            m_entries.move(input.x, input.y);
            break;
        case GameInput::Kind::MouseUp:
            m_entries.release(input.x, input.y);
            break;
        default:  // the let-go; a cursor gives nothing else
            m_entries.letGo();
            break;
        }
    }
    m_redraw();  // the cursor's frame where it now stands
}
