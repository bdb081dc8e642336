#include "core/Board.h"

void ClearBoard(Board& board)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            board(col, row) = Tile::Blank;
}

void ClearMovedMap(MovedMap& moved)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            moved(col, row) = false;
}

void FollowSelection(Selection& selection, int fromCol, int fromRow, int toCol, int toRow)
{
    if (selection.SelectionActive && selection.SelectionCol == fromCol && selection.SelectionRow == fromRow) {
        selection.SelectionCol = static_cast<Int16>(toCol);
        selection.SelectionRow = static_cast<Int16>(toRow);
    }
}

void MoveOccupant(Board& board, MovedMap& moved, Selection& selection, int fromCol, int fromRow, int toCol, int toRow)
{
    moved(toCol, toRow) = true;
    board(toCol, toRow) = board(fromCol, fromRow);
    board(fromCol, fromRow) = Tile::Blank;
    FollowSelection(selection, fromCol, fromRow, toCol, toRow);
}
