#include "ui/KeyboardPlay.h"

#include "ui/BoardPicture.h"

#include <utility>

KeyboardPlay::KeyboardPlay(BoardPicture& picture, const PlayField& field, Door door, std::function<void()> redraw,
                           QObject* parent)
    : QObject(parent), m_field(field), m_door(std::move(door)), m_redraw(std::move(redraw))
{
    connect(&picture, &BoardPicture::keyCommand, this, &KeyboardPlay::key);
    connect(&picture, &BoardPicture::pressed, this, &KeyboardPlay::hideCursor);
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
    for (const GameInput& input : inputs)
        m_door(input);
    m_redraw();  // the cursor's frame where it now stands
}
