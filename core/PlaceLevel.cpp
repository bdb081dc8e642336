#include "core/PlaceLevel.h"

#include "core/Random.h"

#include <string>

namespace {

// The way of a turtle placed "t", one draw of four in this order. The tick's turn
// (PlayField::newTurtleDirection) and the editor's test (TestMode) have tables of their own in
// other orders, on purpose: each rule keeps the draws it has always made, so recorded games and
// seeded runs come out the same.
constexpr TileCode AnyWay[] = {Tile::TurtleLeft, Tile::TurtleUp, Tile::TurtleRight, Tile::TurtleDown};

}  // namespace

void placeLevel(const LevelReading& reading, Level& level, Random& random)
{
    if (reading.linesRead >= 1)
        level.texts.music = level.music = reading.music;
    if (reading.linesRead >= 2) {
        level.bonus = reading.bonus;
        level.texts.bonus = std::to_string(reading.bonus);
    }
    if (reading.linesRead >= 3) {
        level.turtleInterval = reading.turtleInterval;
        level.texts.turtleInterval = std::to_string(reading.turtleInterval);
    }
    if (reading.linesRead >= 4) {
        level.dogInterval = reading.dogInterval;
        level.texts.dogInterval = std::to_string(reading.dogInterval);
    }
    for (int row = 0; row < BoardSize && row < static_cast<int>(reading.rows.size()); ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            TileCode code = reading.rows[row][col];
            if (code == Tile::TurtleAnyWay)
                code = AnyWay[random.below(4)];
            level.board(col, row) = code;
        }
    }
}
