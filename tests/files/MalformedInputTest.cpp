// Level and score files as they arrive from other players, hand editors and accidents, each
// with what the game makes of it. No row may crash or hang the reader.

#include "core/Random.h"
#include "files/CBase64.h"
#include "files/InkStrokes.h"
#include "files/LevelFile.h"
#include "files/ScoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace {

// How a case is put on disk.
enum class Made { File, Folder, Pipe };

struct Case {
    const char* what;
    QByteArray bytes;
    std::string outcome;
    Made made = Made::File;
    qint64 sparseTo = 0;  // when above the bytes' size, the file is grown to it with zeros
};

void put(const QString& path, const Case& c)
{
    QFile::remove(path);
    QDir().rmdir(path);
    if (c.made == Made::Folder) {
        ASSERT_TRUE(QDir().mkpath(path));
        return;
    }
    if (c.made == Made::Pipe) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(c.bytes), c.bytes.size());
    if (c.sparseTo > c.bytes.size()) {
        ASSERT_TRUE(file.resize(c.sparseTo));
    }
}

std::string statusName(LevelReadStatus status)
{
    return status == LevelReadStatus::Complete ? "Complete" : status == LevelReadStatus::Stopped ? "Stopped" : "Missing";
}

std::string statusName(ScoreReadStatus status)
{
    return status == ScoreReadStatus::Complete ? "Complete" : status == ScoreReadStatus::Stopped ? "Stopped" : "Missing";
}

// --- Level files --------------------------------------------------------------------------

const QByteArray Row = "bbbbbbbbbbbbbbbbbbbb";

// A good level with the given lines in place of its own: music, bonus, turtle and dog periods,
// then 20 rows, two of which hold a turtle; every line ended by `end`.
QByteArray level(std::vector<std::pair<int, QByteArray>> replaced = {}, const QByteArray& end = "\r\n")
{
    std::vector<QByteArray> lines = {"pond1.mid", "100", "1500", "1000"};
    for (int row = 0; row < BoardSize; ++row)
        lines.push_back(row == 3 || row == 17 ? "bbbbbbbbbtbbbbbbbbbb" : Row);
    for (const auto& [number, text] : replaced)
        lines[number - 1] = text;
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + end;
    return bytes;
}

QByteArray withoutLine(int number)
{
    QList<QByteArray> lines = level().split('\n');
    lines.removeAt(number - 1);
    return lines.join('\n');
}

// What a reading over an old level leaves for the player: the status, how many of the 24 lines
// took effect, the three numbers (11/22/33 where the file set none), the turtles counted.
std::string levelOutcome(LevelReadStatus status, int lines, const modGlobals& level)
{
    return statusName(status) + " " + std::to_string(lines) + "; " + std::to_string(level.LevelBonus) + "/" +
           std::to_string(level.LevelTurtleInterval) + "/" + std::to_string(level.LevelDogInterval) + "; " +
           std::to_string(level.TurtlesInLevel) + " turtles";
}

// --- Score files and handwriting -----------------------------------------------------------

QByteArray entry(const QByteArray& kind, const QByteArray& score, const QByteArray& name)
{
    return kind + "\r\n" + score + "\r\n" + name + "\r\n";
}

QByteArray typed(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += entry(" 0 ", " " + QByteArray::number(100 - i) + " ", "n" + QByteArray::number(i));
    return bytes;
}

void putU16(QByteArray& bytes, quint16 value)
{
    bytes += char(value & 0xff);
    bytes += char(value >> 8);
}

// Ink bytes of `strokes` strokes of `points` points each, on a 337 x 49 surface.
QByteArray inkBytes(int strokes, int points)
{
    QByteArray bytes = "PINK";
    for (const quint16 value : {quint16(1), quint16(337), quint16(49), quint16(strokes)})
        putU16(bytes, value);
    for (int s = 0; s < strokes; ++s) {
        putU16(bytes, quint16(points));
        for (int p = 0; p < points; ++p)
            bytes += QByteArray("\x10\x00\x20\x00\x80", 5);
    }
    return bytes;
}

QByteArray inkLine(const QByteArray& ink) { return CBase64::Encode(ink).remove(u'\r').remove(u'\n').toLatin1(); }

// What the top-ten window shows, row by row: T a typed name, H a signature, h a signature that
// did not load (an empty one), s the score alone, . the row as designed. Before that, how far
// the game-over window's reading got, then the top ten's.
std::string scoreOutcome(ScoreReadStatus loaded, const TopTenReading& reading)
{
    std::string rows;
    for (const TopTenRow& row : reading.rows) {
        switch (row.shown) {
        case TopTenRow::Shown::Typed: rows += 'T'; break;
        case TopTenRow::Shown::Handwritten: rows += row.ink.isEmpty() ? 'h' : 'H'; break;
        case TopTenRow::Shown::Nothing: rows += row.scoreText ? 's' : '.'; break;
        }
    }
    return statusName(loaded) + "/" + statusName(reading.status) + " " + rows;
}

}  // namespace

// A picture opened by mistake: binary bytes, line ends among them.
QByteArray picture()
{
    QFile gif(QStringLiteral(PONDRAKE_DATA_DIR "/images/alien.gif"));
    return gif.open(QIODevice::ReadOnly) ? gif.readAll() : QByteArray();
}

TEST(MalformedInput, LevelFiles)
{
    ASSERT_FALSE(picture().isEmpty());
    QByteArray nul = level();
    nul.replace("bbbbbbbbbtbbbbbbbbbb", QByteArray("bbbb\0bbbbtbbbbbbbbbb", 21));
    QByteArray turtles = level();
    turtles.replace(Row, QByteArray(20, 't')).replace("bbbbbbbbbtbbbbbbbbbb", QByteArray(20, 't'));
    const QString text = QString::fromLatin1(level());
    const QByteArray utf16 = "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);

    const Case cases[] = {
        {"empty", "", "Stopped 0; 11/22/33; 0 turtles"},
        {"a picture opened as a level", picture(), "Stopped 4; 0/0/0; 0 turtles"},
        {"10 MB of one line", QByteArray(10'000'000, 'b'), "Stopped 0; 11/22/33; 0 turtles"},
        {"10 MB after the last row", level() + QByteArray(10'000'000, 'b'), "Complete 24; 100/1500/1000; 2 turtles"},
        {"rows of 19 codes", level({{5, Row.left(19)}, {24, Row.left(19)}}), "Complete 24; 100/1500/1000; 2 turtles"},
        {"rows of 21 codes", level({{5, Row + "t"}, {24, Row + "$"}}), "Complete 24; 100/1500/1000; 2 turtles"},
        {"unknown codes", level({{5, "ZT?\xC3\xA9\xF0\x9F\x90\xA2" + Row}}), "Complete 24; 100/1500/1000; 2 turtles"},
        {"a NUL among the codes", nul, "Complete 24; 100/1500/1000; 2 turtles"},
        {"400 turtles", turtles, "Complete 24; 100/1500/1000; 400 turtles"},
        {"bonus 40000", level({{2, "40000"}}), "Stopped 1; 11/22/33; 0 turtles"},
        {"bonus -40000", level({{2, "-40000"}}), "Stopped 1; 11/22/33; 0 turtles"},
        {"bonus 1e9", level({{2, "1e9"}}), "Stopped 1; 11/22/33; 0 turtles"},
        {"bonus of 30 digits", level({{2, QByteArray(30, '9')}}), "Stopped 1; 11/22/33; 0 turtles"},
        {"bonus -0", level({{2, "-0"}}), "Complete 24; 0/1500/1000; 2 turtles"},
        {"bonus -5", level({{2, "-5"}}), "Complete 24; -5/1500/1000; 2 turtles"},
        {"bonus 1e-400", level({{2, "1e-400"}}), "Complete 24; 0/1500/1000; 2 turtles"},
        {"bonus 1e", level({{2, "1e"}}), "Complete 24; 1/1500/1000; 2 turtles"},
        {"bonus inf", level({{2, "inf"}}), "Complete 24; 0/1500/1000; 2 turtles"},
        {"bonus nan", level({{2, "nan"}}), "Complete 24; 0/1500/1000; 2 turtles"},
        {"bonus 0x10", level({{2, "0x10"}}), "Complete 24; 0/1500/1000; 2 turtles"},
        {"turtle period 0", level({{3, "0"}}), "Complete 24; 100/0/1000; 2 turtles"},
        {"dog period -1000", level({{4, "-1000"}}), "Complete 24; 100/1500/-1000; 2 turtles"},
        {"a missing row", withoutLine(24), "Stopped 23; 100/1500/1000; 2 turtles"},
        {"a missing settings line", withoutLine(3), "Stopped 23; 100/1000/0; 2 turtles"},  // all moves up
        {"CR-only line ends", level({}, "\r"), "Complete 24; 100/1500/1000; 2 turtles"},
        {"LF-only line ends", level({}, "\n"), "Complete 24; 100/1500/1000; 2 turtles"},
        {"mixed line ends", level().replace("\r\n1500\r\n", "\r1500\n"), "Complete 24; 100/1500/1000; 2 turtles"},
        {"LF CR line ends", level({}, "\n\r"), "Complete 24; 0/100/0; 1 turtles"},  // an empty line after each
        {"saved as UTF-16", utf16, "Complete 24; 0/0/0; 1 turtles"},
        {"a folder", "", "Missing 0; 11/22/33; 0 turtles", Made::Folder},
        {"a pipe", "", "Missing 0; 11/22/33; 0 turtles", Made::Pipe},
    };

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("level1.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(path, c);
        modGlobals globals;
        globals.LevelBonus = 11;
        globals.LevelTurtleInterval = 22;
        globals.LevelDogInterval = 33;
        GameRandom random(7);
        int lines = -1;
        const LevelReadStatus status = LoadLevelFile(path, globals, random, &lines);
        EXPECT_EQ(levelOutcome(status, lines, globals), c.outcome);
    }
}

TEST(MalformedInput, ScoreFilesAndHandwriting)
{
    const QByteArray ink = inkLine(inkBytes(2, 3));
    const Case cases[] = {
        {"empty", "", "Stopped/Stopped .........."},
        {"short", typed(2) + " 0 \r\n", "Stopped/Stopped TT........"},
        {"cut inside a score line", typed(1) + " 0 \r\n 9", "Stopped/Stopped Ts........"},
        {"11 entries", typed(11), "Complete/Complete TTTTTTTTTT"},
        {"no line end at all", typed(10).chopped(2), "Complete/Complete TTTTTTTTTT"},
        {"LF-only line ends", typed(10).replace("\r\n", "\n"), "Stopped/Stopped .........."},
        {"CR-only line ends", typed(10).replace("\r\n", "\r"), "Complete/Complete TTTTTTTTTT"},
        {"CR-only line ends, no spaces", QByteArray("0\r5\rKim\r").repeated(10), "Complete/Complete TTTTTTTTTT"},
        {"a byte-order mark from a text editor", "\xEF\xBB\xBF" + typed(10), "Complete/Complete TTTTTTTTTT"},
        {"a score of 2^31", typed(1) + entry(" 0 ", " 2147483648 ", "Kim"), "Stopped/Stopped T........."},
        {"a score of -2^31", typed(1) + entry(" 0 ", "-2147483648 ", "Kim"), "Stopped/Stopped TT........"},
        {"a score of -2^31 - 1", typed(1) + entry(" 0 ", "-2147483649 ", "Kim"), "Stopped/Stopped T........."},
        {"a score of 1e5", typed(1) + entry(" 0 ", "1e5", "Kim"), "Stopped/Stopped TT........"},
        {"a score with words", typed(1) + entry(" 0 ", " 12 points", "Kim"), "Stopped/Stopped T........."},
        {"an empty score line", typed(1) + entry(" 0 ", "", "Kim"), "Stopped/Stopped T........."},
        {"a kind of 32768", entry(" 32768 ", " 5 ", "Kim"), "Stopped/Stopped .........."},
        {"a kind of -1 with ink", entry("-1 ", " 5 ", ink), "Stopped/Stopped H........."},
        {"a kind of 1.5 with ink", entry(" 1.5 ", " 5 ", ink), "Stopped/Stopped H........."},
        {"a kind of -1 with a typed name", entry("-1 ", " 5 ", "Kim"), "Stopped/Stopped h........."},
        {"a kind that is a word", entry(" one ", " 5 ", "Kim"), "Stopped/Stopped .........."},
        {"ink of invalid Base64", entry(" 1 ", " 5 ", "!!!!"), "Stopped/Stopped h........."},
        {"Base64 that is not ink", entry(" 1 ", " 5 ", "aGVsbG8gd29ybGQ="), "Stopped/Stopped h........."},
        {"ink of 512 strokes", entry(" 1 ", " 5 ", inkLine(inkBytes(512, 1))), "Stopped/Stopped H........."},
        {"ink of 513 strokes", entry(" 1 ", " 5 ", inkLine(inkBytes(513, 1))), "Stopped/Stopped h........."},
        {"ink of 16384 points", entry(" 1 ", " 5 ", inkLine(inkBytes(2, 8192))), "Stopped/Stopped H........."},
        {"ink of 16386 points", entry(" 1 ", " 5 ", inkLine(inkBytes(2, 8193))), "Stopped/Stopped h........."},
        {"ink cut short", entry(" 1 ", " 5 ", inkLine(inkBytes(2, 3).chopped(1))), "Stopped/Stopped h........."},
        {"ink cut in the Base64", entry(" 1 ", " 5 ", ink.chopped(3)), "Stopped/Stopped h........."},
        {"names that are no UTF-8", entry(" 0 ", " 5 ", "\xFF\xFE\x80") + typed(9), "Complete/Complete TTTTTTTTTT"},
        {"a name with NULs", entry(" 0 ", " 5 ", QByteArray("a\0b", 3)) + typed(9), "Complete/Complete TTTTTTTTTT"},
        {"a 100 MB name line", entry(" 0 ", " 5 ", "Kim") + " 0 \r\n 4 \r\n", "Stopped/Stopped Ts........",
         Made::File, 100'000'000},
        {"a picture opened as scores", picture(), "Stopped/Stopped .........."},
        {"a folder", "", "Missing/Missing ..........", Made::Folder},
        {"a pipe", "", "Missing/Missing ..........", Made::Pipe},
    };

    QTemporaryDir dir;
    const QString path = ScoresPath(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("levels")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(path, c);
        ScoreTable table;
        const ScoreReadStatus loaded = LoadScores(path, table);
        EXPECT_EQ(scoreOutcome(loaded, ReadTopTen(path)), c.outcome);
    }
}
