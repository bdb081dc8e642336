#include "files/LevelFile.h"

#include "core/Random.h"

#include <QDir>

#include <gtest/gtest.h>

// The levels that ship with the game: numbered from 1 without gaps, each complete and playable.
TEST(ShippedLevels, AreNumberedWithoutGapsAndReadCompletely)
{
    const QString data = QStringLiteral(PONDRAKE_DATA_DIR);
    const int files = static_cast<int>(
        QDir(data + QStringLiteral("/levels")).entryList({QStringLiteral("level*.txt")}, QDir::Files).size());
    ASSERT_GE(files, 1);
    GameRandom random(1);
    for (Int16 n = 1; n <= files; ++n) {
        modGlobals globals;
        SCOPED_TRACE(LevelPath(data, n).toStdString());
        ASSERT_EQ(LoadLevel(n, data, globals, random), LevelReadStatus::Complete);
        EXPECT_GT(globals.TurtlesInLevel, 0);
        EXPECT_GT(globals.LevelTurtleInterval, 0);
        EXPECT_GT(globals.LevelDogInterval, 0);
        EXPECT_GE(globals.LevelBonus, 0);
        EXPECT_FALSE(globals.LevelMusic.empty());
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                EXPECT_TRUE(globals.board(col, row) != Tile::Empty) << "short row " << row;
    }
}
