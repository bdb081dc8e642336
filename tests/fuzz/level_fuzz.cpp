// The level reader on any bytes. Besides not crashing, hanging or eating memory: it says how many
// lines it used, and a level read whole, saved and read again is the same level for the player:
// the same board but for the turtles' ways, which are drawn anew, every turtle counted, and every
// code the game does not know taken as one and the same.

#include "core/Random.h"
#include "files/LevelFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <string_view>

namespace {

bool known(TileCode code) { return std::u32string_view(U"brh$awdxjilmk@12").find(code) != std::u32string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    modGlobals level;
    GameRandom random(20260101);
    int lines = -1;
    const LevelReadStatus status = LoadLevelFile(putFile("level7.txt", data, size), level, random, &lines);
    FUZZ_CHECK((status == LevelReadStatus::Complete) == (lines == 24) && lines >= 0 && lines <= 24);
    if (status != LevelReadStatus::Complete)
        return 0;

    const auto settings = [](const modGlobals& g) {
        return LevelSettingsText{QString::fromStdString(g.LevelMusic), QString::number(g.LevelBonus),
                                 QString::number(g.LevelTurtleInterval), QString::number(g.LevelDogInterval)};
    };
    const QString saved = putFile("saved.txt", data, 0);  // an empty file to save over
    FUZZ_CHECK(SaveLevelFile(saved, settings(level), level.board));
    modGlobals again;
    FUZZ_CHECK(LoadLevelFile(saved, again, random) == LevelReadStatus::Complete && settings(again) == settings(level));
    int turtles[2] = {0, 0};  // on the board read first, and read again
    for (int cell = 0; cell < GridSize * GridSize; ++cell) {
        const int col = cell % GridSize, row = cell / GridSize;
        const TileCode x = level.board(col, row), y = again.board(col, row);
        FUZZ_CHECK(x == y || (isTurtle(x) && isTurtle(y)) || (!known(x) && !known(y)));
        turtles[0] += isTurtle(x);
        turtles[1] += isTurtle(y);
    }
    FUZZ_CHECK(level.TurtlesInLevel <= turtles[0] && again.TurtlesInLevel == turtles[1]);
    return 0;
}
