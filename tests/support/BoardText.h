#pragma once

// Boards written as text for tests: one string of up to 20 single-byte codes per row, row 0 first.
// Rows not given, and cells past the end of a short row, are blank; '.' is an empty cell.

#include "core/Board.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Rows joined by '/', and "N:" before a row to go on at row N: "x/$/19:bbh" holds a turtle over
// water and a hole in the bottom row.
inline Board boardFromText(std::string_view text)
{
    Board board;
    clearBoard(board);
    for (int row = 0; !text.empty() || row == 0; ++row) {
        std::string_view part = text.substr(0, text.find('/'));
        text.remove_prefix(std::min(text.size(), part.size() + 1));
        if (const std::size_t colon = part.find(':'); colon != std::string_view::npos) {
            row = std::stoi(std::string(part.substr(0, colon)));
            part.remove_prefix(colon + 1);
        }
        for (int col = 0; col < BoardSize && col < static_cast<int>(part.size()); ++col)
            board(col, row) = part[col] == '.' ? Tile::Empty : static_cast<unsigned char>(part[col]);
    }
    return board;
}

inline Board boardFromRows(std::initializer_list<std::string_view> rows)
{
    std::string text;
    for (std::string_view row : rows)
        text += std::string(row) + "/";
    return boardFromText(text);
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

inline int turtlesOn(const Board& board)
{
    int turtles = 0;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            turtles += isTurtle(board(col, row));
    return turtles;
}
