#include "core/Board.h"

void clearBoard(Board& board)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            board(col, row) = Tile::Blank;
}

void clearMovedMap(MovedMap& moved)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            moved(col, row) = false;
}

void followSelection(Selection& selection, int fromCol, int fromRow, int toCol, int toRow)
{
    if (selection.selectionActive && selection.selectionCol == fromCol && selection.selectionRow == fromRow) {
        selection.selectionCol = static_cast<Int16>(toCol);
        selection.selectionRow = static_cast<Int16>(toRow);
    }
}

void moveOccupant(Board& board, MovedMap& moved, Selection& selection, int fromCol, int fromRow, int toCol, int toRow)
{
    moved(toCol, toRow) = true;
    board(toCol, toRow) = board(fromCol, fromRow);
    board(fromCol, fromRow) = Tile::Blank;
    followSelection(selection, fromCol, fromRow, toCol, toRow);
}
