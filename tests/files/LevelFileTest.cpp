#include "files/LevelFile.h"

#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const char* const Rows[20] = {
    "bbbbbbbbbbbbbbbbbbbb", "btbbbbbbbbbbbbbbbbbb", "bbbbrrrrbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbb$$",
    "bbbbbbhbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbk@bbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbb", "bb1bbbbbbbbbbbbb2bbb", "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbb", "bbbbbbbbbbbbbbbbbbbb", "tbbbbbbbbbbbbbbbbbbt", "bbbbbbbbbbbbbbbbbbbb",
};

// A level file's text with the given line end, the settings lines given, and the rows above.
QByteArray levelText(const char* end = "\r\n", const char* music = "pond1.mid", const char* bonus = "100",
                     const char* turtle = "1500", const char* dog = "1000")
{
    QByteArray text;
    for (const char* line : {music, bonus, turtle, dog})
        text += QByteArray(line) + end;
    for (const char* row : Rows)
        text += QByteArray(row) + end;
    return text;
}

class LevelFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    modGlobals globals;

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("level.txt"))
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Reads bytes (or a file that is not there) over a board and settings that no level file
    // holds, to see what the reader leaves alone.
    LevelReadStatus readOverOldLevel(const std::optional<QByteArray>& bytes, std::vector<double> draws = {},
                                     int* linesRead = nullptr)
    {
        globals.board = boardFromRows({});
        for (int row = 0; row < BoardSize; ++row)
            for (int col = 0; col < BoardSize; ++col)
                globals.board(col, row) = U'o';
        globals.LevelMusic = "old.mid";
        globals.LevelBonus = 11;
        globals.LevelTurtleInterval = 22;
        globals.LevelDogInterval = 33;
        globals.TurtlesInLevel = 44;
        SequenceRandom random(std::move(draws));
        return LoadLevelFile(bytes ? write(*bytes) : dir.filePath("nothing.txt"), globals, random, linesRead);
    }
};

}  // namespace

TEST_F(LevelFileTest, ReadsSettingsAndBoardAndTurnsEveryTIntoACountedTurtle)
{
    // Three "t" in reading order: (1,1), (0,18), (19,18); draws 0..3 map to a, w, d, x.
    SequenceRandom random({0.0, 0.5, 0.99});
    int linesRead = 0;
    EXPECT_EQ(LoadLevelFile(write(levelText()), globals, random, &linesRead), LevelReadStatus::Complete);
    EXPECT_EQ(linesRead, 24);
    EXPECT_EQ(globals.LevelMusic, "pond1.mid");
    EXPECT_EQ(globals.LevelBonus, 100);
    EXPECT_EQ(globals.LevelTurtleInterval, 1500);
    EXPECT_EQ(globals.LevelDogInterval, 1000);
    EXPECT_EQ(globals.TurtlesInLevel, 3);
    EXPECT_EQ(globals.board(1, 1), Tile::TurtleLeft);
    EXPECT_EQ(globals.board(0, 18), Tile::TurtleRight);
    EXPECT_EQ(globals.board(19, 18), Tile::TurtleDown);
    EXPECT_EQ(rowOf(globals.board, 2), "bbbbrrrrbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 6), "bbbbbbbbbk@bbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 9), "bb1bbbbbbbbbbbbb2bbb");
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(LevelFileTest, AcceptsLfCrAndMixedLineEndsAndALastLineWithoutEnd)
{
    for (const char* end : {"\n", "\r", "\r\n"}) {
        SequenceRandom random({0.0, 0.0, 0.0});
        QByteArray text = levelText(end);
        text.chop(static_cast<qsizetype>(strlen(end)));  // the last row has no line end
        EXPECT_EQ(LoadLevelFile(write(text), globals, random), LevelReadStatus::Complete) << "line end " << end;
        EXPECT_EQ(globals.TurtlesInLevel, 3);
        EXPECT_EQ(rowOf(globals.board, 19), "bbbbbbbbbbbbbbbbbbbb");
    }
    // CR CR is two line ends with an empty line between, not one.
    SequenceRandom random({0.0, 0.0, 0.0});
    QByteArray text = "song.mid\r\r100\n1500\r\n1000\n";
    EXPECT_EQ(LoadLevelFile(write(text), globals, random), LevelReadStatus::Stopped);
    EXPECT_EQ(globals.LevelMusic, "song.mid");
    EXPECT_EQ(globals.LevelBonus, 0);  // the empty line
    EXPECT_EQ(globals.LevelTurtleInterval, 100);
}

TEST_F(LevelFileTest, NumbersAreTakenFromTheStartOfTheLineAndRoundedHalfToEven)
{
    struct Case {
        const char* line;
        Int16 expected;
    } cases[] = {{" 250 ", 250}, {"250ms", 250}, {"fast", 0}, {"1e3", 1000}, {"2.5", 2}, {"3.5", 4}, {"-40", -40}};
    for (const Case& c : cases) {
        SequenceRandom random({0.0, 0.0, 0.0});
        LoadLevelFile(write(levelText("\r\n", "x.mid", "100", c.line)), globals, random);
        EXPECT_EQ(globals.LevelTurtleInterval, c.expected) << c.line;
    }
}

TEST_F(LevelFileTest, TheMusicNameAndRowsAreTidiedAndOnlyTIsACountedTurtle)
{
    QByteArray text = "\xEF\xBB\xBF" + levelText("\r\n", "  my song.mid  "); // a byte order mark first
    text.replace("bbbbrrrrbbbbbbbbbbbb", " rrr");
    text.replace("bbbbbbhbbbbbbbbbbbbb", "bbbbbbhbbbbbbbbbbbbbZZZZZ"); // 25 characters
    text.replace("bb1bbbbbbbbbbbbb2bbb", "awdxbbbbbbbbbbbbbbbA");      // turtles with a direction
    SequenceRandom random({0.0, 0.0, 0.0});
    EXPECT_EQ(LoadLevelFile(write(text), globals, random), LevelReadStatus::Complete);
    EXPECT_EQ(globals.LevelMusic, "my song.mid");
    EXPECT_EQ(rowOf(globals.board, 2), "rrr.................");
    EXPECT_EQ(rowOf(globals.board, 4), "bbbbbbhbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 9), "awdxbbbbbbbbbbbbbbbA");
    EXPECT_EQ(globals.TurtlesInLevel, 3); // the three "t" only
}

TEST_F(LevelFileTest, AMissingEmptyOrFaultyFileChangesOnlyWhatComesBeforeTheFault)
{
    const std::string old(BoardSize, 'o');
    struct Case {
        const char* what;
        std::optional<QByteArray> bytes;
        LevelReadStatus status;
        std::string music;
        Int16 bonus, turtle, dog;
        int linesRead;
    };
    const Case cases[] = {
        {"missing", std::nullopt, LevelReadStatus::Missing, "old.mid", 11, 22, 33, 0},
        {"empty", QByteArray(), LevelReadStatus::Stopped, "old.mid", 11, 22, 33, 0},
        {"out of range", levelText("\r\n", "new.mid", "90", "40000"), LevelReadStatus::Stopped, "new.mid", 90, 22, 33, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int linesRead = -1;
        EXPECT_EQ(readOverOldLevel(c.bytes, {}, &linesRead), c.status);
        EXPECT_EQ(linesRead, c.linesRead);
        EXPECT_EQ(globals.LevelMusic, c.music);
        EXPECT_EQ(globals.LevelBonus, c.bonus);
        EXPECT_EQ(globals.LevelTurtleInterval, c.turtle);
        EXPECT_EQ(globals.LevelDogInterval, c.dog);
        EXPECT_EQ(rowsOf(globals.board), std::vector<std::string>(BoardSize, old));
        EXPECT_EQ(globals.TurtlesInLevel, 0); // the count is always started afresh
    }

    // A short file replaces the rows it has and keeps the rest.
    QByteArray text = levelText();
    text.truncate(text.indexOf("bbbbbbhbbbbbbbbbbbbb")); // settings and rows 0 to 3
    int linesRead = -1;
    EXPECT_EQ(readOverOldLevel(text, {0.25}, &linesRead), LevelReadStatus::Stopped);
    EXPECT_EQ(linesRead, 8);
    EXPECT_EQ(globals.TurtlesInLevel, 1);
    EXPECT_EQ(globals.board(1, 1), Tile::TurtleUp);
    EXPECT_EQ(rowOf(globals.board, 3), "bbbbbbbbbbbbbbbbbb$$");
    EXPECT_EQ(rowOf(globals.board, 4), old);
    EXPECT_EQ(rowOf(globals.board, 19), old);
}

TEST_F(LevelFileTest, LevelNIsReadFromLevelNDotTxtInTheLevelsFolder)
{
    EXPECT_EQ(LevelPath(QStringLiteral("/games/pondrake"), 7), QStringLiteral("/games/pondrake/levels/level7.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("levels")));
    write(levelText("\r\n", "ten.mid"), QStringLiteral("levels/level10.txt"));
    SequenceRandom random({0.0, 0.0, 0.0});
    EXPECT_EQ(LoadLevel(10, dir.path(), globals, random), LevelReadStatus::Complete);
    EXPECT_EQ(globals.LevelMusic, "ten.mid");
}

TEST_F(LevelFileTest, TheWriterEndsEveryLineWithCrLfAndWritesEveryTurtleAsT)
{
    Board board = boardFromRows({"awdxbbbbbbbbbbbbbbbb", "rh$k@12jilm"});
    board(19, 19) = Tile::Empty; // an empty cell writes nothing
    // Settings are written as typed, but without line breaks inside them.
    const LevelSettingsText settings{QStringLiteral("pond\r\n2.mid"), QStringLiteral("1\n00"),
                                     QStringLiteral(" 1500"), QStringLiteral("1000ms")};
    QByteArray expected = "pond2.mid\r\n100\r\n 1500\r\n1000ms\r\n"
                          "ttttbbbbbbbbbbbbbbbb\r\n"
                          "rh$k@12jilmbbbbbbbbb\r\n";
    for (int row = 2; row < 19; ++row)
        expected += "bbbbbbbbbbbbbbbbbbbb\r\n";
    expected += "bbbbbbbbbbbbbbbbbbb\r\n";
    EXPECT_EQ(LevelFileBytes(settings, board), expected);
}

TEST_F(LevelFileTest, WritingThenReadingGivesTheSameBoardWithNewTurtleDirections)
{
    Board board = boardFromRows({"bbbbbbbbbbbbbbbbbbbb", "bbaxbbbbrrrbbbbb$$$$", "", "bbbbbhhhbbbbbbbbbbbb",
                                 "", "", "k@bbbbbbbbbbbbbbbb12", "", "", "bbbbbbbbbbbbbbbbbbbw"});
    const QString path = dir.filePath(QStringLiteral("saved.txt"));
    ASSERT_TRUE(SaveLevelFile(path, {QStringLiteral("pond3.mid"), QStringLiteral("80"), QStringLiteral("1200"),
                                     QStringLiteral("900")},
                              board));
    SequenceRandom random({0.99, 0.6, 0.3});  // x, d, w
    EXPECT_EQ(LoadLevelFile(path, globals, random), LevelReadStatus::Complete);
    EXPECT_EQ(globals.TurtlesInLevel, 3);
    EXPECT_EQ(globals.LevelMusic, "pond3.mid");
    EXPECT_EQ(globals.LevelBonus, 80);
    EXPECT_EQ(globals.LevelTurtleInterval, 1200);
    EXPECT_EQ(globals.LevelDogInterval, 900);
    Board expected = board;
    expected(2, 1) = Tile::TurtleDown;
    expected(3, 1) = Tile::TurtleRight;
    expected(19, 9) = Tile::TurtleUp;
    EXPECT_EQ(rowsOf(globals.board), rowsOf(expected));
}

TEST_F(LevelFileTest, ANulAmongTheCodesKeepsTheRestOfItsRowInPlaceThroughASave)
{
    // Read as the empty cell of a short row, the NUL was left out by the writer, moving the hole.
    QByteArray text = levelText();
    text.replace("bbbbbbhbbbbbbbbbbbbb", QByteArray("bb\0bbbhbbbbbbbbbbbbb", 20));
    SequenceRandom random({0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    ASSERT_EQ(LoadLevelFile(write(text), globals, random), LevelReadStatus::Complete);
    EXPECT_EQ(rowOf(globals.board, 4), "bb?bbbhbbbbbbbbbbbbb");  // an unknown code, inert
    const QString saved = dir.filePath(QStringLiteral("saved.txt"));
    ASSERT_TRUE(SaveLevelFile(saved, {QStringLiteral("a.mid"), QStringLiteral("1"), QStringLiteral("2"),
                                      QStringLiteral("3")},
                              globals.board));
    ASSERT_EQ(LoadLevelFile(saved, globals, random), LevelReadStatus::Complete);
    EXPECT_EQ(rowOf(globals.board, 4), "bb?bbbhbbbbbbbbbbbbb");
}

TEST_F(LevelFileTest, ASaveThatCannotBeWrittenSaysSoAndLeavesTheOldFile)
{
    Board board;
    ClearBoard(board);
    const LevelSettingsText settings{QStringLiteral("a.mid"), QStringLiteral("1"), QStringLiteral("2"),
                                     QStringLiteral("3")};
    // A folder stands where the file should go.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("taken.txt")));
    EXPECT_FALSE(SaveLevelFile(dir.filePath(QStringLiteral("taken.txt")), settings, board));
    EXPECT_FALSE(SaveLevelFile(dir.filePath(QStringLiteral("no/such/folder/level1.txt")), settings, board));

    // A good save replaces the old file completely.
    const QString path = write("old contents that are longer than nothing\r\n", QStringLiteral("level1.txt"));
    EXPECT_TRUE(SaveLevelFile(path, settings, board));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), LevelFileBytes(settings, board));
}

TEST_F(LevelFileTest, FileExistsOnlyForAFileWithSomethingInIt)
{
    EXPECT_TRUE(FileExists(write("x")));
    EXPECT_FALSE(FileExists(write("", QStringLiteral("empty.txt"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(FileExists(dir.path()));  // a folder is not a level
}
