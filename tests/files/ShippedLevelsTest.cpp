#include "files/LevelFile.h"

#include "core/Random.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

namespace {

const QString Data = QStringLiteral(PONDRAKE_DATA_DIR);

int shippedLevels()
{
    return static_cast<int>(
        QDir(Data + QStringLiteral("/levels")).entryList({QStringLiteral("level*.txt")}, QDir::Files).size());
}

// The codes a level's board uses, every turtle written "t" as in the file.
std::set<TileCode> codesOf(const Board& board)
{
    std::set<TileCode> codes;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            codes.insert(isTurtle(board(col, row)) ? Tile::TurtleAnyWay : board(col, row));
    return codes;
}

}  // namespace

// The levels that ship with the game: numbered from 1 without gaps, each complete and playable,
// with all the level music among them.
TEST(ShippedLevels, AreNumberedWithoutGapsAndReadCompletely)
{
    const int files = shippedLevels();
    ASSERT_GE(files, 1);
    GameRandom random(1);
    std::set<std::string> music;
    for (Int16 n = 1; n <= files; ++n) {
        modGlobals globals;
        SCOPED_TRACE(LevelPath(Data, n).toStdString());
        ASSERT_EQ(LoadLevel(n, Data, globals, random), LevelReadStatus::Complete);
        EXPECT_GT(globals.TurtlesInLevel, 0);
        EXPECT_GT(globals.LevelTurtleInterval, 0);
        EXPECT_GT(globals.LevelDogInterval, 0);
        EXPECT_GE(globals.LevelBonus, 0);
        EXPECT_TRUE(QFileInfo::exists(Data + QStringLiteral("/audio/") + QString::fromStdString(globals.LevelMusic)));
        music.insert(globals.LevelMusic);
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                EXPECT_TRUE(globals.board(col, row) != Tile::Empty) << "short row " << row;
    }
    EXPECT_EQ(music, (std::set<std::string>{"pond1.mid", "pond2.mid", "pond3.mid", "pond4.mid"}));
}

// The first six levels each bring one new thing, in this order, and use nothing not yet met.
TEST(ShippedLevels, TheTeachingLevelsBringOneNewThingEach)
{
    const struct {
        int level;
        std::set<TileCode> brings;
    } teaching[] = {
        {1, {Tile::TurtleAnyWay, Tile::Water}}, {2, {Tile::Rock}},  {3, {Tile::Hole}},
        {4, {Tile::DogSit}},                    {5, {Tile::Alien}}, {6, {Tile::FootLeft, Tile::FootRight}},
    };
    ASSERT_GE(shippedLevels(), 6);
    GameRandom random(1);
    std::set<TileCode> met = {Tile::Blank};
    for (const auto& step : teaching) {
        SCOPED_TRACE("level " + std::to_string(step.level));
        modGlobals globals;
        ASSERT_EQ(LoadLevel(static_cast<Int16>(step.level), Data, globals, random), LevelReadStatus::Complete);
        met.insert(step.brings.begin(), step.brings.end());
        const std::set<TileCode> uses = codesOf(globals.board);
        for (TileCode code : step.brings)
            EXPECT_TRUE(uses.count(code)) << "missing " << static_cast<char>(code);
        for (TileCode code : uses)
            EXPECT_TRUE(met.count(code)) << "not yet met: " << static_cast<char>(code);
    }
}
