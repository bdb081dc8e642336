#pragma once

#include "core/Board.h"
#include "core/Int16.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class LevelReadStatus {
    Complete,  // all 24 lines were read
    Missing,   // no file could be opened at the path: placing it changes nothing and puts no turtle in play
    Stopped,   // a line was missing or a number out of range: what came after keeps its old value
};

// What a reading of a level file got, as the file has it: line 1 the music, lines 2 to 4 the
// bonus and the two periods, lines 5 to 24 the rows. Only the first linesRead lines were read;
// a setting on a line past them is no part of the level.
struct LevelReading {
    using Row = std::array<TileCode, BoardSize>;

    LevelReadStatus status = LevelReadStatus::Missing;
    int linesRead = 0;  // 24 for a whole file, else the reading stopped at line linesRead + 1
    std::string music;  // UTF-8
    Int16 bonus = 0;
    Int16 turtleInterval = 0;
    Int16 dogInterval = 0;
    // The rows read, row 0 first. A turtle written "t" stays Tile::TurtleAnyWay: placing it draws its way.
    std::vector<Row> rows;

    // The turtles a game puts in play with this level: one for each "t" read.
    Int16 turtles() const
    {
        int count = 0;
        for (std::size_t row = 0; row < rows.size() && row < BoardSize; ++row)
            count += static_cast<int>(std::count(rows[row].begin(), rows[row].end(), Tile::TurtleAnyWay));
        return static_cast<Int16>(count);
    }
};
