#include "core/PlaceLevel.h"

#include "core/Random.h"
#include "core/modGlobals.h"

namespace {

// The way of a turtle placed "t", one draw of four in this order. The tick's turn
// (PlayField::newTurtleDirection) and the editor's test (TestMode) have tables of their own in
// other orders, on purpose: each rule keeps the draws it has always made, so recorded games and
// seeded runs come out the same.
constexpr TileCode AnyWay[] = {Tile::TurtleLeft, Tile::TurtleUp, Tile::TurtleRight, Tile::TurtleDown};

}  // namespace

void placeLevel(const LevelReading& level, modGlobals& globals, Random& random)
{
    globals.TurtlesInLevel = 0;
    if (level.linesRead >= 1)
        globals.LevelMusic = level.music;
    if (level.linesRead >= 2)
        globals.LevelBonus = level.bonus;
    if (level.linesRead >= 3)
        globals.LevelTurtleInterval = level.turtleInterval;
    if (level.linesRead >= 4)
        globals.LevelDogInterval = level.dogInterval;
    for (int row = 0; row < BoardSize && row < static_cast<int>(level.rows.size()); ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            TileCode code = level.rows[row][col];
            if (code == Tile::TurtleAnyWay) {
                globals.TurtlesInLevel = add16(globals.TurtlesInLevel, 1);
                code = AnyWay[random.below(4)];
            }
            globals.board(col, row) = code;
        }
    }
}
