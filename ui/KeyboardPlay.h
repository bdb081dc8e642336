#pragma once

#include "core/KeyCommands.h"
#include "core/PlayField.h"

#include <QObject>

#include <functional>
#include <optional>

class BoardPicture;

// The keys of a board picture: it keeps the board cursor, hands each key's inputs as they are to
// the door of the rules (the game's flow, the editor's test), in order, and hides the cursor at a
// mouse press. A key held down repeats only while it moves the cursor; a command is given once.
class KeyboardPlay : public QObject {
    Q_OBJECT

public:
    using Door = std::function<void(const GameInput& input)>;

    KeyboardPlay(BoardPicture& picture, const PlayField& field, Door door, std::function<void()> redraw,
                 QObject* parent = nullptr);

    // Where the cursor's frame is drawn: nowhere while it is hidden, else on its cell, which is
    // the selected creature's while there is one.
    std::optional<CellIndex> cursorCell();
    void hideCursor();

    void key(BoardKey key, bool repeat);

private:
    const PlayField& m_field;
    Door m_door;
    std::function<void()> m_redraw;
    BoardCursor m_cursor;
    bool m_commanded = false;  // the key last pressed gave a command: its repeats are dropped
};
