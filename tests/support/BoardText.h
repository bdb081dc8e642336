#pragma once

// Boards written as text for tests: one string of up to 20 single-byte codes per row, row 0 first.
// Rows not given, and cells past the end of a short row, are blank.

#include "core/Board.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

inline Board boardFromRows(std::initializer_list<std::string_view> rows)
{
    Board board;
    ClearBoard(board);
    int row = 0;
    for (std::string_view text : rows) {
        for (int col = 0; col < BoardSize && col < static_cast<int>(text.size()); ++col)
            board(col, row) = static_cast<unsigned char>(text[col]);
        ++row;
    }
    return board;
}

// The 20 rows of the play area; an empty cell shows as '.', any code beyond one byte as '?'.
inline std::vector<std::string> rowsOf(const Board& board)
{
    std::vector<std::string> rows;
    for (int row = 0; row < BoardSize; ++row) {
        std::string line;
        for (int col = 0; col < BoardSize; ++col) {
            const TileCode code = board(col, row);
            line += code == Tile::Empty ? '.' : code < 0x80 ? static_cast<char>(code) : '?';
        }
        rows.push_back(line);
    }
    return rows;
}

inline std::string rowOf(const Board& board, int row) { return rowsOf(board)[row]; }
