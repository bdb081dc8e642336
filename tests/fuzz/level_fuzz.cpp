// The level readers on any bytes. Besides not crashing, hanging or eating memory: LoadLevel and
// LoadLevelFile read a file alike, and a level read whole, saved and read again is the same
// level for the player: the same board but for the turtles' directions, which are drawn anew,
// every turtle counted, and every code the game does not know taken as one and the same.

#include "core/Random.h"
#include "files/LevelFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr std::uint64_t Seed = 20260101;

bool known(TileCode code)
{
    static constexpr std::u32string_view table = U"brh$awdxjilmk@12";
    return table.find(code) != std::u32string_view::npos;
}

// The same cell for the player: equal, both codes unknown, or both turtles.
bool sameCell(TileCode x, TileCode y)
{
    return x == y || (!known(x) && !known(y)) || (isTurtle(x) && isTurtle(y));
}

int turtlesOn(const Board& board)
{
    int count = 0;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            count += isTurtle(board(col, row));
    return count;
}

bool sameLevel(const modGlobals& a, const modGlobals& b)
{
    for (int row = 0; row < GridSize; ++row)
        for (int col = 0; col < GridSize; ++col)
            if (!sameCell(a.board(col, row), b.board(col, row)))
                return false;
    return a.LevelMusic == b.LevelMusic && a.LevelBonus == b.LevelBonus &&
           a.LevelTurtleInterval == b.LevelTurtleInterval && a.LevelDogInterval == b.LevelDogInterval;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = putFile(QStringLiteral("levels/level7.txt"), data, size);

    modGlobals byNumber;
    GameRandom random1(Seed);
    const LevelReadStatus status = LoadLevel(7, scratchFolder(), byNumber, random1);

    modGlobals byPath;
    GameRandom random2(Seed);
    int lines = -1;
    FUZZ_CHECK(LoadLevelFile(path, byPath, random2, &lines) == status);
    FUZZ_CHECK((status == LevelReadStatus::Complete) == (lines == 24) && lines >= 0 && lines <= 24);
    FUZZ_CHECK(status != LevelReadStatus::Missing || lines == 0);
    FUZZ_CHECK(byPath.board == byNumber.board && byPath.LevelMusic == byNumber.LevelMusic &&
               byPath.TurtlesInLevel == byNumber.TurtlesInLevel && sameLevel(byPath, byNumber));
    FUZZ_CHECK(byPath.TurtlesInLevel >= 0 && byPath.TurtlesInLevel <= turtlesOn(byPath.board));

    if (status == LevelReadStatus::Complete) {
        const QString savedPath = scratchFolder() + QStringLiteral("/saved.txt");
        const LevelSettingsText settings{QString::fromStdString(byPath.LevelMusic),
                                         QString::number(byPath.LevelBonus),
                                         QString::number(byPath.LevelTurtleInterval),
                                         QString::number(byPath.LevelDogInterval)};
        FUZZ_CHECK(SaveLevelFile(savedPath, settings, byPath.board));
        modGlobals again;
        GameRandom random3(Seed + 1);
        FUZZ_CHECK(LoadLevelFile(savedPath, again, random3) == LevelReadStatus::Complete);
        FUZZ_CHECK(sameLevel(again, byPath));
        FUZZ_CHECK(again.TurtlesInLevel == turtlesOn(again.board));
    }
    return 0;
}
