#pragma once

#include "core/Board.h"
#include "core/GameInput.h"
#include "core/MouseCommands.h"

#include <vector>

// Play with the keys: a cursor on the board's cells, and key commands that stand for the press,
// drag and release of the mouse, so they take the very mouse rules of the board.
enum class BoardKey {
    Left,
    Right,
    Up,
    Down,
    Next,      // Tab: the next creature that takes commands, in reading order
    Previous,  // Shift+Tab
    Choose,    // Space or Enter
    LetGo,     // Escape
};

// The cell the keys act on. It appears at the first key and is hidden by a mouse press; while a
// creature is selected it stands on it, wherever the creature walks.
class BoardCursor {
public:
    bool shown() const { return m_shown; }
    CellIndex cell() const { return m_cell; }
    void hide() { m_shown = false; }
    void follow(const Selection& selection);

    // What a key does. Without a selection the arrows move the cursor one cell, to the board's
    // edge and no further, and Choose presses on its cell. With one, an arrow drags from the press
    // point one cell that way and releases, Choose releases where the press was (no direction) and
    // LetGo lets go. Tab and Shift+Tab let go of a selection and jump to the next or previous turtle
    // or dog, round the board; a hidden cursor stands just before the top-left corner. The first
    // key only shows a hidden cursor, except Tab, Shift+Tab and LetGo, which act at once.
    // Returns the inputs for the play field's entry points, in order.
    std::vector<GameInput> press(BoardKey key, const Board& board, const Selection& selection, const DragPoints& drag);

private:
    bool m_shown = false;
    CellIndex m_cell{};
};

// The centre of a cell in board pixels, where a key's press lands.
float cellCentre(int index);
