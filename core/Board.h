#pragma once

#include "core/Int16.h"
#include "core/TileCodes.h"

#include <array>
#include <cassert>

// The grid is 21 x 21 and addressed (column, row) from 0, column 0 at the left, row 0 at the top.
// Play uses columns and rows 0 to 19; column 20 and row 20 exist and are never touched by the game.
inline constexpr int GridSize = 21;
inline constexpr int BoardSize = 20;
// A cell is 34 x 34 board pixels: the board picture draws it so and the mouse is read so.
inline constexpr int CellPixels = 34;

template <typename Cell>
class Grid21 {
public:
    Cell& operator()(int col, int row) { return m_cells[index(col, row)]; }
    const Cell& operator()(int col, int row) const { return m_cells[index(col, row)]; }
    friend bool operator==(const Grid21&, const Grid21&) = default;

private:
    static int index(int col, int row)
    {
        assert(col >= 0 && col < GridSize && row >= 0 && row < GridSize);
        return col + GridSize * row;  // the column varies fastest
    }
    std::array<Cell, GridSize * GridSize> m_cells{};
};

// The one board of the program, shared by the game and the editor.
using Board = Grid21<TileCode>;

// True where the occupant now standing in a cell has already moved in the current tick.
using MovedMap = Grid21<bool>;

// The creature picked up with the mouse. While selectionActive is true,
// (selectionCol, selectionRow) is the cell that holds it.
struct Selection {
    bool selectionActive = false;
    Int16 selectionCol = 0;
    Int16 selectionRow = 0;
};

// "b" into every cell of columns and rows 0 to 19; column 20 and row 20 untouched.
void clearBoard(Board& board);

// false into every cell of columns and rows 0 to 19.
void clearMovedMap(MovedMap& moved);

// Carries the selection from one cell to another when the selected creature moved there.
void followSelection(Selection& selection, int fromCol, int fromRow, int toCol, int toRow);

// An ordinary step: marks the destination as moved, copies the occupant over whatever stood there,
// leaves "b" behind and lets the selection follow.
void moveOccupant(Board& board, MovedMap& moved, Selection& selection, int fromCol, int fromRow, int toCol, int toRow);
