#include "files/ScoreFile.h"

#include "files/CBase64.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The lines of a file, each ended with CR LF.
QByteArray lines(std::initializer_list<QByteArray> texts)
{
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += text + "\r\n";
    return bytes;
}

// Entries from..to-1 of a full table falling from 100 to 10 in steps of 10, names "n0" to "n9";
// entry 4 has a handwritten name.
QByteArray falling(int from, int to)
{
    QByteArray bytes;
    for (int i = from; i < to; ++i)
        bytes += lines({i == 4 ? " 1 " : " 0 ", qPrintable(QStringLiteral(" %1 ").arg(100 - 10 * i)),
                        qPrintable(QStringLiteral("n%1").arg(i))});
    return bytes;
}

// A table that no file holds, to see which fields a reading leaves alone.
ScoreTable oldTable()
{
    ScoreTable table;
    for (int i = 0; i < ScoreEntries; ++i) {
        table.TopKinds[i] = 7;
        table.TopScores[i] = -1000 - i;
        table.TopNames[i] = "old";
    }
    return table;
}

class ScoreFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = ScoresPath(dir.path());

    void write(const QByteArray& bytes)
    {
        QDir(dir.path()).mkpath(QStringLiteral("levels"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    // Reads the file as the game-over window does, then saves a new entry over it.
    QByteArray loadThenSave(const QString& name, std::int32_t score, Int16 kind = TypedName)
    {
        ScoreTable table;
        LoadScores(path, table);
        EXPECT_TRUE(SaveScore(path, table, name, score, kind));
        return read();
    }
};

}  // namespace

TEST_F(ScoreFileTest, WithoutAFileNothingIsReadAndTheFirstScoreLeadsNineEmptyEntries)
{
    ScoreTable table = oldTable();
    EXPECT_EQ(LoadScores(path, table), ScoreReadStatus::Missing);
    EXPECT_EQ(table.TopScores[0], -1000);
    EXPECT_EQ(table.TopNames[9], "old");
    ASSERT_TRUE(SaveScore(path, ScoreTable(), QStringLiteral("Kim"), 120, TypedName)); // makes levels/ too
    QByteArray expected = lines({" 0 ", " 120 ", "Kim"});
    for (int i = 0; i < 9; ++i)
        expected += lines({" 0 ", " 0 ", ""});
    EXPECT_EQ(read(), expected);
}

TEST_F(ScoreFileTest, ANewScoreGoesAfterEveryEntryThatIsNotBelowIt)
{
    struct Case {
        std::int32_t score;
        Int16 kind;
        QByteArray expected;
    };
    const Case cases[] = {
        {101, TypedName, lines({" 0 ", " 101 ", "new"}) + falling(0, 9)},                // the best comes first
        {70, TypedName, falling(0, 4) + lines({" 0 ", " 70 ", "new"}) + falling(4, 9)},  // equal to entry 3
        {15, HandwrittenName, falling(0, 9) + lines({" 1 ", " 15 ", "new"})},           // between 8 and 9
    };
    for (const Case& c : cases) {
        write(falling(0, ScoreEntries));
        EXPECT_EQ(loadThenSave(QStringLiteral("new"), c.score, c.kind), c.expected) << c.score;
    }
}

TEST_F(ScoreFileTest, NegativeScoresAreReadAndWrittenWithTheirSign)
{
    write(lines({" 0 ", " 10 ", "a", " 0 ", " 0 ", "b", " 0 ", "-3 ", "c", " 0 ", "-4 ", "d", " 0 ", "-5 ", "e",
                 " 0 ", "-6 ", "f", " 0 ", "-7 ", "g", " 0 ", "-8 ", "h", " 0 ", "-9 ", "i", " 0 ", "-10 ", "j"}));
    EXPECT_EQ(loadThenSave(QStringLiteral("new"), -5),
              lines({" 0 ", " 10 ", "a", " 0 ", " 0 ", "b", " 0 ", "-3 ", "c", " 0 ", "-4 ", "d", " 0 ", "-5 ", "e",
                     " 0 ", "-5 ", "new", " 0 ", "-6 ", "f", " 0 ", "-7 ", "g", " 0 ", "-8 ", "h", " 0 ", "-9 ", "i"}));
}

TEST_F(ScoreFileTest, NamesAreKeptAsTheyAre)
{
    write(lines({" 0 ", " 50 ", "  two  spaces  ", " 1 ", " 40 ", "Zm9v\nYmFy"}));
    ScoreTable table;
    LoadScores(path, table);
    EXPECT_EQ(table.TopNames[0], "  two  spaces  ");
    EXPECT_EQ(table.TopNames[1], "Zm9v\nYmFy");  // a lone LF stays in the line
    EXPECT_EQ(CBase64::Decode(QString::fromLatin1(table.TopNames[1])), QByteArray("foobar"));

    const QByteArray saved = loadThenSave(QStringLiteral(" Kim Lee "), 45);
    EXPECT_TRUE(saved.startsWith(lines({" 0 ", " 50 ", "  two  spaces  ", " 0 ", " 45 ", " Kim Lee ", " 1 ", " 40 ",
                                        "Zm9v\nYmFy"})));
}

TEST_F(ScoreFileTest, LineBreaksInANewNameAreLeftOut)
{
    EXPECT_TRUE(loadThenSave(QStringLiteral("Kim\r\nLee\n"), 5).startsWith(lines({" 0 ", " 5 ", "KimLee", " 0 "})));
    EXPECT_EQ(StripLineBreaks(QStringLiteral("\ra\nb\r\nc\n")), QStringLiteral("abc"));
    EXPECT_EQ(StripLineBreaks(QString()), QString());
}

TEST_F(ScoreFileTest, ReadingStopsAtTheFirstFaultAndKeepsWhatCameBefore)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int kinds, scores, names;  // how many of each field the reading filled
    };
    const Case cases[] = {
        {"short", lines({" 0 ", " 9 ", "a", " 1 ", " 8 "}), 2, 2, 1},
        {"score not a number", lines({" 0 ", " 9 ", "a", " 0 ", "lots", "b"}), 2, 1, 1},
        {"kind out of range", lines({" 0 ", " 9 ", "a", " 40000 ", " 8 ", "b"}), 1, 1, 1},
        {"score out of range", lines({" 0 ", " 3000000000 ", "a"}), 1, 0, 0},
        {"empty kind line", lines({""}), 0, 0, 0},
        {"empty file", QByteArray(), 0, 0, 0},
        {"LF line ends make one line", "0\n9\na\n", 0, 0, 0},
    };
    for (const Case& c : cases) {
        write(c.bytes);
        ScoreTable table = oldTable();
        EXPECT_EQ(LoadScores(path, table), ScoreReadStatus::Stopped) << c.what;
        for (int i = 0; i < ScoreEntries; ++i) {
            EXPECT_EQ(table.TopKinds[i] == 7, i >= c.kinds) << c.what << " kind " << i;
            EXPECT_EQ(table.TopScores[i] == -1000 - i, i >= c.scores) << c.what << " score " << i;
            EXPECT_EQ(table.TopNames[i] == "old", i >= c.names) << c.what << " name " << i;
        }
    }
}

TEST_F(ScoreFileTest, TheLastLineNeedsNoLineEnd)
{
    QByteArray bytes = falling(0, ScoreEntries);
    bytes.chop(2);
    write(bytes);
    ScoreTable table;
    EXPECT_EQ(LoadScores(path, table), ScoreReadStatus::Complete);
    EXPECT_EQ(table.TopNames[9], "n9");
}

TEST_F(ScoreFileTest, AFailedSaveLeavesWhatWasThere)
{
    // A file where the folder should be: the folder cannot be made.
    QFile blocker(dir.filePath(QStringLiteral("levels")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    EXPECT_FALSE(SaveScore(path, ScoreTable(), QStringLiteral("Kim"), 5, TypedName));
    ASSERT_TRUE(blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(blocker.readAll(), QByteArray("not a folder"));

    // A folder where the file should be: it stays a folder.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkpath(QStringLiteral("levels/scores.txt")));
    EXPECT_FALSE(SaveScore(ScoresPath(other.path()), ScoreTable(), QStringLiteral("Kim"), 5, TypedName));
    EXPECT_TRUE(QFileInfo(ScoresPath(other.path())).isDir());
}

TEST_F(ScoreFileTest, TheTopTenStopsInTheRowWhereTheFileFails)
{
    EXPECT_EQ(ReadTopTen(path).status, ScoreReadStatus::Missing);

    // The name line of row 1 is missing: its score shows, its name controls stay as designed.
    write(lines({" 0 ", " 50 ", "a", " 0 ", " 40 "}));
    TopTenReading reading = ReadTopTen(path);
    EXPECT_EQ(reading.status, ScoreReadStatus::Stopped);
    EXPECT_EQ(reading.rows[0].shown, TopTenRow::Shown::Typed);
    EXPECT_EQ(reading.rows[1].scoreText, QStringLiteral(" 40 "));
    EXPECT_EQ(reading.rows[1].shown, TopTenRow::Shown::Nothing);
    EXPECT_FALSE(reading.rows[2].scoreText.has_value());

    // A score line that is no number: the row shows nothing of it.
    write(lines({" 0 ", " 50 ", "a", " 0 ", "fifty", "b"}));
    reading = ReadTopTen(path);
    EXPECT_FALSE(reading.rows[1].scoreText.has_value());
    EXPECT_EQ(reading.rows[1].shown, TopTenRow::Shown::Nothing);

    // Handwriting that is not ink: the row shows its score and an empty signature, and ends the reading.
    write(lines({" 1 ", " 50 ", "bm90IGluaw==", " 0 ", " 40 ", "b"}));
    reading = ReadTopTen(path);
    EXPECT_EQ(reading.status, ScoreReadStatus::Stopped);
    EXPECT_EQ(reading.rows[0].scoreText, QStringLiteral(" 50 "));
    EXPECT_EQ(reading.rows[0].shown, TopTenRow::Shown::Handwritten);
    EXPECT_TRUE(reading.rows[0].ink.isEmpty());
    EXPECT_FALSE(reading.rows[1].scoreText.has_value());
}

TEST_F(ScoreFileTest, OtherPlayersNamesGoBackByteForByteAndOnlyTheNewOneIsUtf8)
{
    // Single-byte names from an older table, a UTF-8 one, and bytes that are no text at all.
    const QByteArray old = lines({" 0 ", " 90 ", "Jos\xE9 M\xFCller", " 0 ", " 80 ", "Zo\xC3\xAB", " 0 ", " 70 ",
                                  "\x80\xFF\xC3"}) +
                           falling(3, ScoreEntries);
    write(old);
    const QByteArray saved = loadThenSave(QStringLiteral("B\u00e9a \U0001F422"), 85);
    EXPECT_EQ(saved, lines({" 0 ", " 90 ", "Jos\xE9 M\xFCller", " 0 ", " 85 ", "B\xC3\xA9" "a \xF0\x9F\x90\xA2", " 0 ",
                            " 80 ", "Zo\xC3\xAB", " 0 ", " 70 ", "\x80\xFF\xC3"}) +
                         falling(3, ScoreEntries - 1));

    // On show, UTF-8 reads as UTF-8 and anything else as single-byte text.
    const TopTenReading reading = ReadTopTen(path);
    EXPECT_EQ(reading.rows[0].typedName, QStringLiteral("Jos\u00e9 M\u00fcller"));
    EXPECT_EQ(reading.rows[1].typedName, QStringLiteral("B\u00e9a \U0001F422"));
    EXPECT_EQ(reading.rows[2].typedName, QStringLiteral("Zo\u00eb"));
}

TEST_F(ScoreFileTest, ATypedNameIsCutToItsLimitSoTheTableStaysReadable)
{
    // A name of 4 Mi characters used to push the rest of the table past what readers take in.
    write(falling(0, ScoreEntries));
    EXPECT_TRUE(loadThenSave(QString(4 << 20, u'k'), 200).startsWith(lines({" 0 ", " 200 ", QByteArray(100, 'k')})));
    EXPECT_TRUE(loadThenSave(QStringLiteral("next"), 1).endsWith(falling(1, 8) + lines({" 0 ", " 1 ", "next"})));

    // The cut never splits a character made of two UTF-16 units, and handwriting is never cut.
    const QString turtle = QStringLiteral("\U0001F422");
    EXPECT_TRUE(loadThenSave(QString(99, u'a') + turtle, 300).startsWith(lines({" 0 ", " 300 ", QByteArray(99, 'a')})));
    const QString longInk(5000, u'A');
    EXPECT_TRUE(loadThenSave(longInk, 400, HandwrittenName)
                    .startsWith(lines({" 1 ", " 400 ", QByteArray(5000, 'A')})));
}

TEST_F(ScoreFileTest, ALineCutOffByTheReadingLimitIsMissingNotShort)
{
    // A name line of 100 MB (sparse: no disk is filled): reading takes the first 4 MiB, in which
    // the name has no end. The name counts as missing, so no 4 MiB piece of it is kept or saved.
    write(lines({" 0 ", " 60 ", "Kim", " 0 ", " 50 "}));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(100'000'000));
    }
    ScoreTable table = oldTable();
    EXPECT_EQ(LoadScores(path, table), ScoreReadStatus::Stopped);
    EXPECT_EQ(table.TopNames[0], "Kim");
    EXPECT_EQ(table.TopScores[1], 50);
    EXPECT_EQ(table.TopNames[1], "old");
    const TopTenReading reading = ReadTopTen(path);
    EXPECT_EQ(reading.rows[1].scoreText, QStringLiteral(" 50 "));
    EXPECT_EQ(reading.rows[1].shown, TopTenRow::Shown::Nothing);
}
