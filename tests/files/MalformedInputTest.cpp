// Level, score, set and replay files as they arrive from other players, hand editors and accidents, with what
// the game makes of each: malformed/outcomes.txt holds the table, malformed/ the files.

#include "core/Level.h"
#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/KeptGame.h"
#include "files/LevelFile.h"
#include "files/PlayerSettings.h"
#include "files/ReplayFile.h"
#include "files/ScoreFile.h"
#include "files/sets/SetFileFormat.h"
#include "files/sets/SetImport.h"
#include "tests/support/BoardText.h"
#include "tests/support/FileTestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString Cases = QStringLiteral(PONDRAKE_TEST_CASES "/malformed/");
const QStringList Statuses = {"Complete", "Missing", "Stopped"};  // as both readers number them

// Puts the input at path: a folder, a pipe, or a file of the table, with "@N=text" its line N
// replaced, with "+N" grown by N zero bytes (sparse: no disk is filled). What is wrong with an
// input the table cannot mean, or nothing.
QString put(const QString& input, const QString& path)
{
    const QString name = input.section(u'/', 1);
    if (name == u"(folder)" || name == u"(pipe)")
        return (name == u"(folder)" ? mkdir : mkfifo)(QFile::encodeName(path), 0700) == 0 ? QString()
                                                                                          : "cannot make it";
    if (name.startsWith(u'('))
        return "no such stand-in: " + name;
    const QString file = Cases + input.section(u'@', 0, 0).section(u'+', 0, 0);
    if (!QFile::exists(file))
        return "no such file";
    QByteArray bytes = readFile(file);
    qint64 grown = 0;
    if (input.contains(u'@')) {
        QByteArrayList lines = bytes.split('\n');
        bool number = false;
        const int line = input.section(u'@', 1).section(u'=', 0, 0).toInt(&number);
        if (!number || !input.contains(u'=') || line < 1 || line > lines.size())
            return "no line of the file to replace";
        lines[line - 1] = input.section(u'=', 1).toUtf8() + '\r';
        bytes = lines.join('\n');
    } else if (input.contains(u'+')) {
        bool number = false;
        grown = input.section(u'+', 1).toLongLong(&number);
        if (!number || grown <= 0)
            return "no number of bytes to grow it by";
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.resize(bytes.size() + grown))
        return "cannot write it";
    return {};
}

// Read over old.txt. A file with a .board file beside it must leave that board, turtles as "T"
// (the codes of the four ways a turtle faces).
QString levelOutcome(const QString& input, const QString& path)
{
    Level level;
    GameRandom random(7);
    const LevelReading old = readLevelFile(Cases + "level/old.txt");
    EXPECT_EQ(old.status, LevelReadStatus::Complete);
    placeLevel(old, level, random);
    const LevelReading read = readLevelFile(path);
    placeLevel(read, level, random);
    const QString board = Cases + input.section(u'.', 0, 0) + ".board";
    QString rows;
    for (const std::string& row : rowsOf(level.board))
        rows += QString::fromStdString(row).replace(QRegularExpression("[awdx]"), "T") + '\n';
    EXPECT_TRUE(!QFile::exists(board) || rows == readFile(board)) << rows.toStdString();
    const QString music = QString::fromStdString(level.music).replace(QRegularExpression("[^ -~]"), "?");
    return QStringLiteral("%1 %2: %3 %4/%5/%6, %7 turtles")
        .arg(Statuses[int(read.status)])
        .arg(read.linesRead)
        .arg(music)
        .arg(level.bonus)
        .arg(level.turtleInterval)
        .arg(level.dogInterval)
        .arg(read.turtles());
}

QString scoreOutcome(const QString& path)
{
    ScoreTable table;
    const TopTenReading reading = readTopTen(path);
    QString outcome = Statuses[int(loadScores(path, table))] + u'/' + Statuses[int(reading.status)] + u' ';
    for (const TopTenRow& row : reading.rows) {
        if (row.shown == TopTenRow::Shown::Nothing)
            outcome += row.scoreText ? u's' : u'.';
        else
            outcome += row.shown == TopTenRow::Shown::Typed ? u'T' : row.ink.isEmpty() ? u'h' : u'H';
    }
    return outcome;
}

QString keptOutcome(const QString& path)
{
    const std::optional<KeptGame> game = readKeptGame(path);
    if (!game)
        return QStringLiteral("none");
    const KeptLevel& l = game->level;
    return QStringLiteral("level %1 score %2 saved %3 lost %4%5 in %6")
        .arg(l.levelNumber)
        .arg(l.score)
        .arg(l.saved)
        .arg(l.lost)
        .arg(l.replay ? " replay" : "", QString(game->setFolder).replace(QRegularExpression("[^ -~]"), "?"));
}

QString settingsOutcome(const QString& path)
{
    const PlayerSettings s = readPlayerSettings(path);
    return QStringLiteral("effects %1 music %2 set [%3] others [%4] editor [%5] pos %6 language [%7]")
        .arg(s.soundEffects ? "on" : "off", s.musicAutoPlay ? "on" : "off", s.levelSet, s.otherSets.join(u'|'),
             s.editorFile, s.windowPos ? QStringLiteral("%1,%2").arg(s.windowPos->x()).arg(s.windowPos->y()) : "none",
             s.language);
}

QString setOutcome(const QString& path)
{
    const SetReading r = readSetFileAt(path);
    return r.set ? QStringLiteral("%1 by %2: %3 levels into sets/%4")
                       .arg(r.set->name, r.set->author)
                       .arg(r.set->levels.size())
                       .arg(safeSetFolderName(r.set->name))
                 : QStringLiteral("refused at line %1: %2").arg(r.line).arg(r.error.english());
}

QString replayOutcome(const QString& path)
{
    const RecordingReading r = readRecordingFile(path);
    if (!r.recording)
        return QStringLiteral("refused at line %1: %2").arg(r.line).arg(r.error.english());
    const std::optional<SetFile>& set = r.recording->set;
    return (set ? QStringLiteral("self-contained (%1, %2 levels)").arg(set->name).arg(set->levels.size()) : "plain") +
           QStringLiteral(", folder [%1]").arg(r.recording->folder);
}

}  // namespace

// No input may crash or hang a reader; each gives the outcome its row of the table names. A row
// the table cannot mean (an unknown format, a file or line that is not there) fails.
TEST(MalformedInput, EveryFileGivesTheOutcomeInTheTable)
{
    const QList<QByteArray> table = readFile(Cases + "outcomes.txt").split('\n');
    QTemporaryDir dir;
    int cases = 0;
    for (int number = 1; number <= table.size(); ++number) {
        const QString row = QString::fromUtf8(table[number - 1]).trimmed();
        const QStringList fields = row.split(u' ', Qt::SkipEmptyParts);
        if (fields.isEmpty() || fields[0].startsWith(u'#'))
            continue;
        SCOPED_TRACE("outcomes.txt:" + std::to_string(number) + ": " + row.toStdString());
        const QString input = fields[0] + u'/' + fields.value(1), path = dir.filePath(QString::number(++cases));
        const QString wrong = put(input, path);
        EXPECT_EQ(wrong.toStdString(), "") << "a row is: the format, the file, the outcome";
        if (!wrong.isEmpty())
            continue;
        const QString outcome = fields[0] == u"level"      ? levelOutcome(input, path)
                                : fields[0] == u"score"    ? scoreOutcome(path)
                                : fields[0] == u"kept"     ? keptOutcome(path)
                                : fields[0] == u"set"      ? setOutcome(path)
                                : fields[0] == u"replay"   ? replayOutcome(path)
                                : fields[0] == u"settings" ? settingsOutcome(path)
                                                           : QStringLiteral("no such format");
        EXPECT_EQ(outcome.toStdString(), fields.mid(2).join(u' ').toStdString());
    }
    EXPECT_GE(cases, 40);
}
