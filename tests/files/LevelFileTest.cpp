// What the reader makes of level files is tabled in malformed/outcomes.txt; here the writer.

#include "files/LevelFile.h"

#include "tests/support/BoardText.h"
#include "tests/support/FileTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Settings as typed but without line breaks, then 20 rows, every line ended by CR LF. Every turtle
// is "t"; an empty cell writes nothing, nor does a line-break code; nothing beyond the 20 x 20
// cells is written; codes beyond ASCII are UTF-8. The old file is replaced whole, and for the game
// a level file exists when it holds a byte.
TEST(LevelFile, WritesTheSettingsAndTwentyRowsEndedByCrLf)
{
    Board board = boardFromRows({"awdxbbbbbbbbbbbbbbbb", "rh$k@12jilm"});
    board(5, 2) = U'\r';
    board(6, 2) = U'\n';
    board(7, 2) = U'\u00e9';
    board(19, 19) = Tile::Empty;
    board(20, 0) = Tile::Rock;
    board(0, 20) = Tile::Rock;
    QByteArray expected = "pond2.mid\r\n100\r\n 1500\r\n1000ms\r\n"
                          "ttttbbbbbbbbbbbbbbbb\r\nrh$k@12jilmbbbbbbbbb\r\nbbbbb\xC3\xA9"
                          "bbbbbbbbbbbb\r\n";
    for (int row = 3; row < BoardSize; ++row)
        expected += QByteArray(row < BoardSize - 1 ? 20 : 19, 'b') + "\r\n";

    QTemporaryDir dir;
    const QString path = dir.filePath("level.txt");
    writeFile(path, QByteArray(2000, 'x'));
    ASSERT_TRUE(saveLevelFile(path, {"pond\r\n2.mid", "1\n00", " 1500", "1000ms"}, board));
    EXPECT_EQ(readFile(path), expected);
    EXPECT_FALSE(saveLevelFile(dir.path(), {}, board));  // a folder where the file belongs

    EXPECT_TRUE(fileExists(path));
    writeFile(path, "");
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(fileExists(dir.path()));
}
