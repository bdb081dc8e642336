// What the readers make of damaged tables is tabled in malformed/outcomes.txt; here the writer.

#include "files/ScoreFile.h"
#include "tests/support/FileTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Lines between "|", each ended with CR LF.
QByteArray crlf(const QByteArray& text) { return text.split('|').join("\r\n") + "\r\n"; }

// Entries from..to-1 of a full table: scores from 100 down by 20 (a minus sign in place of the
// space below 0), names n0 to n9, entry 4 handwritten.
QByteArray falling(int from, int to)
{
    QByteArray bytes;
    for (int i = from; i < to; ++i)
        bytes += crlf(QByteArray(i == 4 ? " 1 |" : " 0 |") + (i > 5 ? "" : " ") + QByteArray::number(100 - 20 * i) +
                      " |n" + QByteArray::number(i));
    return bytes;
}

}  // namespace

// The file the game-over window leaves: the table read, then saved with the new entry after every
// score not below it, the tenth entry dropping out. Other players' names go back byte for byte,
// whatever their encoding; the new name is UTF-8, without line breaks, a typed one cut to 100
// characters but never inside a character of two UTF-16 units. (A typed name of 4 Mi characters
// once pushed the rest of the table past what the readers take in.)
TEST(ScoreFile, ANewEntryGoesAfterEveryScoreNotBelowItAndTheRestStaysByteForByte)
{
    const QByteArray first = crlf(" 0 | 90 |  Jos\xE9 M\xFCller ");
    const QByteArray others = crlf(" 0 | 80 |a\nb| 0 | 70 |Zo\xC3\xAB| 0 | 60 |\x80\xFF\xC3");
    const auto empty = [](int entries) { return crlf(" 0 | 0 |").repeated(entries); };
    const auto alone = [&](const QByteArray& entry) { return crlf(entry) + empty(9); };
    const QString turtle = QStringLiteral("\U0001F422");
    const QByteArray turtleUtf8 = "\xF0\x9F\x90\xA2";
    // The file before (none at all where not given), the new entry's name, score and kind, the file after.
    const std::tuple<std::optional<QByteArray>, QString, std::int32_t, Int16, QByteArray> cases[] = {
        {{}, "Kim", 120, TypedName, alone(" 0 | 120 |Kim")},
        {falling(0, 10), "new", 101, TypedName, crlf(" 0 | 101 |new") + falling(0, 9)},
        {falling(0, 10), "new", 40, TypedName, falling(0, 4) + crlf(" 0 | 40 |new") + falling(4, 9)},
        {falling(0, 10), "new", -30, HandwrittenName, falling(0, 7) + crlf(" 1 |-30 |new") + falling(7, 9)},
        {falling(0, 10), "new", -100, TypedName, falling(0, 9) + crlf(" 0 |-100 |new")},
        {first + others + falling(4, 10), "B\u00e9a\r\n " + turtle, 85, TypedName,
         first + crlf(" 0 | 85 |B\xC3\xA9\x61 " + turtleUtf8) + others + falling(4, 9)},
        {{}, QString(4 << 20, u'k'), 1, TypedName, alone(" 0 | 1 |" + QByteArray(100, 'k'))},
        {{}, QString(99, u'a') + turtle, 1, TypedName, alone(" 0 | 1 |" + QByteArray(99, 'a'))},
        {{}, QString(98, u'a') + turtle, 1, TypedName, alone(" 0 | 1 |" + QByteArray(98, 'a') + turtleUtf8)},
        {{}, QString(500, u'A'), 1, HandwrittenName, alone(" 1 | 1 |" + QByteArray(500, 'A'))},
        // A damaged table keeps the fields it read, here the second entry's kind and score. Numbers
        // are rounded half to even; blanks around them are spaces or tabs.
        {crlf(" 0 | 9 |a|\t1\t| 8.5 "), "new", 5, TypedName, crlf(" 0 | 9 |a| 1 | 8 || 0 | 5 |new") + empty(7)},
    };
    for (const auto& [before, name, score, kind, after] : cases) {
        QTemporaryDir dir;
        const QString path = scoresPath(dir.path());
        if (before) {
            makeTree(dir.path(), "levels/");
            writeFile(path, *before);
        }
        ScoreTable table;
        loadScores(path, table);
        ASSERT_TRUE(saveScore(path, table, name, score, kind));  // making levels/ where missing
        EXPECT_EQ(readFile(path), after) << score << " " << name.left(20).toStdString();
    }
}

// On show a typed name is UTF-8 where it can be, else single-byte text from an older table.
TEST(ScoreFile, TheTopTenShowsUtf8OrSingleByteNames)
{
    const TopTenReading reading = readTopTen(QStringLiteral(PONDRAKE_TEST_CASES "/malformed/score/names.txt"));
    EXPECT_EQ(reading.rows[0].typedName, "Jos\u00e9");
    EXPECT_EQ(reading.rows[1].typedName, "Zo\u00eb");
    EXPECT_EQ(reading.rows[2].typedName, "\u00ff\u00fe\u0080");
}
