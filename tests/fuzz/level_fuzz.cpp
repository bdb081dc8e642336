// The level reader on any bytes. Besides not crashing, hanging or eating memory: it says how many
// lines it used, and a level read whole, saved and read again is the same level for the player:
// the same board but for the turtles' ways, which are drawn anew, every turtle counted, and every
// code the game does not know taken as one and the same.

#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <string_view>

namespace {

bool known(TileCode code) { return std::u32string_view(U"brh$awdxjilmk@12").find(code) != std::u32string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Level level;
    GameRandom random(20260101);
    const LevelReading read = readLevelFile(putFile("level7.txt", data, size));
    const int lines = read.linesRead;
    FUZZ_CHECK((read.status == LevelReadStatus::Complete) == (lines == 24) && lines >= 0 && lines <= 24 &&
               read.rows.size() == std::size_t(std::max(0, lines - 4)));
    if (read.status != LevelReadStatus::Complete)
        return 0;
    placeLevel(read, level, random);

    const auto settings = [](const Level& g) {
        return LevelTexts{g.music, std::to_string(g.bonus), std::to_string(g.turtleInterval),
                          std::to_string(g.dogInterval)};
    };
    const QString saved = putFile("saved.txt", data, 0);  // an empty file to save over
    FUZZ_CHECK(saveLevelFile(saved, settings(level), level.board));
    Level again;
    const LevelReading readAgain = readLevelFile(saved);
    placeLevel(readAgain, again, random);
    FUZZ_CHECK(readAgain.status == LevelReadStatus::Complete && settings(again) == settings(level));
    int turtles[2] = {0, 0};  // on the board read first, and read again
    for (int cell = 0; cell < GridSize * GridSize; ++cell) {
        const int col = cell % GridSize, row = cell / GridSize;
        const TileCode x = level.board(col, row), y = again.board(col, row);
        FUZZ_CHECK(x == y || (isTurtle(x) && isTurtle(y)) || (!known(x) && !known(y)));
        turtles[0] += isTurtle(x);
        turtles[1] += isTurtle(y);
    }
    FUZZ_CHECK(read.turtles() <= turtles[0] && readAgain.turtles() == turtles[1]);
    return 0;
}
