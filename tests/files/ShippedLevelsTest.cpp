#include "core/Level.h"
#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "files/MusicPath.h"
#include "files/sets/SetPaths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

// The proof of the shipped levels plays them; here what playing does not see. They are numbered from
// 1 without gaps, their rows are whole, their music is there and all four pieces play somewhere,
// and the first six levels each bring one new thing, in this order, and use nothing not yet met.
TEST(ShippedLevels, AreWholeAndBringOneNewThingAtATime)
{
    const QString data = QStringLiteral(PONDRAKE_DATA_DIR);
    const std::set<TileCode> brings[] = {{U't', U'$'}, {U'r'}, {U'h'}, {U'k'}, {U'@'}, {U'1', U'2'}};
    const auto levels = QDir(data + "/levels").entryList({"level*.txt"}, QDir::Files).size();
    ASSERT_GE(levels, 6);
    GameRandom random(1);
    std::set<std::string> music;
    std::set<TileCode> met = {U'b'};
    for (Int16 n = 1; n <= levels; ++n) {
        Level level;
        const LevelReading read = readLevelFile(levelPathInSet(data + "/levels", n));
        ASSERT_EQ(read.status, LevelReadStatus::Complete) << n;
        placeLevel(read, level, random);
        EXPECT_TRUE(level.turtleInterval > 0 && level.dogInterval > 0) << n;
        EXPECT_TRUE(QFileInfo::exists(musicPath(data, QString::fromStdString(level.music)))) << n;
        music.insert(level.music);
        std::set<TileCode> uses;
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                uses.insert(isTurtle(level.board(col, row)) ? U't' : level.board(col, row));
        EXPECT_FALSE(uses.count(Tile::Empty)) << "a short row in level " << n;
        if (n <= 6)
            met.insert(brings[n - 1].begin(), brings[n - 1].end());
        EXPECT_TRUE(n > 6 || std::includes(uses.begin(), uses.end(), brings[n - 1].begin(), brings[n - 1].end())) << n;
        EXPECT_TRUE(n > 6 || std::includes(met.begin(), met.end(), uses.begin(), uses.end())) << n;
    }
    EXPECT_EQ(music, (std::set<std::string>{"pond1.mid", "pond2.mid", "pond3.mid", "pond4.mid"}));
}
