// The replay file: written and read back bit for bit, refused with the line at fault when it is
// hostile, bounded in what it takes in; and the replays kept beside the top ten as entries come
// and go.

#include "files/ReplayFile.h"
#include "files/RecordingShelf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <limits>

namespace {

RecordedEvent input(Millis at, GameInput::Kind kind, float x = 0, float y = 0)
{
    return {at, RecordedEvent::Kind::Input, {kind, GameTimer::CountDown, x, y}, {}};
}

// A game with every kind of event, and board positions no decimal text of a few digits carries.
GameRecording sampleGame()
{
    using K = GameInput::Kind;
    GameRecording recording{18446744073709551615ULL, QStringLiteral("/tmp/my levels"), {}, {}, {}, {}};
    recording.levels.push_back({1, QStringLiteral("level1.txt"), QByteArray(32, '\x5a')});
    recording.levels.push_back({2, QStringLiteral("my level 2.txt"), QByteArray(32, '\x01')});
    recording.events = {input(0, K::NewGame),
                        input(1000, K::Timer),
                        input(1200, K::MouseDown, 0.1f, 1e-40f),
                        input(1201, K::MouseMove, -0.0f, std::numeric_limits<float>::max()),
                        input(1201, K::MouseUp, 123.456f, -7.25f),
                        input(1250, K::LetGo),
                        input(1300, K::Pause),
                        input(1400, K::Resume),
                        input(1500, K::HighScores),
                        input(1600, K::WindowClosed),
                        input(1700, K::Replay),
                        input(1800, K::Abort),
                        input(1900, K::Answer),
                        input(2000, K::LevelEditor)};
    recording.events[1].input.timer = GameTimer::Dog;
    recording.events[12].input.yes = true;
    recording.events.push_back({2100, RecordedEvent::Kind::LevelOver, {K::WindowClosed}, {2, false, 3, 4, -45}});
    recording.events.push_back({2200, RecordedEvent::Kind::End, {K::WindowClosed}, {0, false, 0, 0, 2147483647}});
    return recording;
}

const QByteArray Good = "pondrake-replay 1\nseed 7\nlevel 1 " + QByteArray(64, 'a') +
                        " level1.txt\n0 new\n10 timer turtle\n20 down 1p+4 1.8p+3\n30 end 5\n";

}  // namespace

TEST(ReplayFile, EveryEventReadsBackBitForBit)
{
    const GameRecording recording = sampleGame();
    const QByteArray bytes = recordingBytes(recording);
    const RecordingReading reading = readRecording(bytes);
    ASSERT_TRUE(reading.recording) << reading.line << ": " << reading.error.english().toStdString();
    const GameRecording& back = *reading.recording;
    EXPECT_EQ(back.seed, recording.seed);
    EXPECT_EQ(back.folder, recording.folder);
    EXPECT_EQ(back.levels, recording.levels);
    ASSERT_EQ(back.events.size(), recording.events.size());
    for (std::size_t i = 0; i < recording.events.size(); ++i) {
        const RecordedEvent& a = recording.events[i];
        const RecordedEvent& b = back.events[i];
        EXPECT_EQ(b.at, a.at) << i;
        EXPECT_EQ(b.kind, a.kind) << i;
        EXPECT_EQ(b.input.kind, a.input.kind) << i;
        EXPECT_EQ(b.checkpoint, a.checkpoint) << i;
        if (a.kind != RecordedEvent::Kind::Input)
            continue;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(b.input.x), std::bit_cast<std::uint32_t>(a.input.x)) << i;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(b.input.y), std::bit_cast<std::uint32_t>(a.input.y)) << i;
        if (a.input.kind == GameInput::Kind::Timer) {
            EXPECT_EQ(b.input.timer, a.input.timer);
        }
        if (a.input.kind == GameInput::Kind::Answer) {
            EXPECT_EQ(b.input.yes, a.input.yes);
        }
    }
    EXPECT_EQ(recordingBytes(back), bytes);
    EXPECT_TRUE(bytes.startsWith("pondrake-replay 1\nseed ")) << "a game from New Game is read by older readers too";

    // A continued game: its start, at the far ends of what a kept game holds, reaches the rules
    // with its first event.
    GameRecording continued = recording;
    continued.start = KeptLevel{32767, -32768, 0, 0, true};
    continued.events[0].input.kind = GameInput::Kind::Continue;
    const QByteArray continuedBytes = recordingBytes(continued);
    EXPECT_TRUE(continuedBytes.startsWith("pondrake-replay 2\n"));
    const RecordingReading continuedBack = readRecording(continuedBytes);
    ASSERT_TRUE(continuedBack.recording) << continuedBack.line << ": " << continuedBack.error.english().toStdString();
    EXPECT_EQ(continuedBack.recording->start, continued.start);
    EXPECT_EQ(continuedBack.recording->events[0].input.kind, GameInput::Kind::Continue);
    EXPECT_EQ(continuedBack.recording->events[0].input.start, *continued.start);
    EXPECT_EQ(recordingBytes(*continuedBack.recording), continuedBytes);
    EXPECT_TRUE(readRecording(QByteArray(Good).replace('\n', "\r\n")).recording) << "CR LF line ends are read too";
    EXPECT_TRUE(readRecording(Good.chopped(1)).recording) << "the last line end is optional";
}

// Each row: a change to a good file (text replaced in it), the line the reader stops at, and
// words of its message.
TEST(ReplayFile, AHostileFileIsRefusedAtTheLineAtFault)
{
    const QByteArray hash(64, 'a');
    const QByteArray seed = "1\nseed 7\n";
    const auto startAt = [](const QByteArray& start) { return "2\nseed 7\nstart " + start + '\n'; };
    const struct {
        QByteArray from;
        QByteArray to;
        int line;
        const char* message;
    } rows[] = {
        {"30 end 5\n", "", 6, "cut short"},
        {"30 end 5\n", "30 end", 7, "final score"},
        {"20 down", "5 down", 6, "time goes back"},
        {"10 timer turtle", "10 jump", 5, "unknown event"},
        {"10 timer turtle", "10 timer snail", 5, "countdown, bonus, turtle or dog"},
        {"10 timer turtle", "10 new", 5, "New Game comes first"},
        {"0 new", "0 timer bonus", 4, "start with New Game"},
        {"30 end 5\n", "30 end 5\n31 timer dog\n", 8, "follow the game's end"},
        {"1p+4 1.8p+3", "nan 1p+0", 6, "hexadecimal"},
        {"1p+4 1.8p+3", "inf 1p+0", 6, "hexadecimal"},
        {"1p+4 1.8p+3", "16 12", 6, "hexadecimal"},  // decimal digits read as hex would move the mouse
        {"1p+4 1.8p+3", "1p+4", 6, "hexadecimal"},
        {"20 down", "-20 down", 6, "time in milliseconds"},
        {"20 down", "99999999999999999999 down", 6, "time in milliseconds"},
        {"pondrake-replay 1", "pondrake-replay 4", 1, "newer version"},
        {"pondrake-replay 1", "pondrake-replay x", 1, "no number"},
        {"pondrake-replay 1", "PK\x03\x04", 1, "no replay"},
        {"seed 7", "seed -7", 2, "whole number"},
        {"seed 7\n", "", 2, "no seed"},
        {"level 1 " + hash, "level 1 " + hash.left(62), 3, "SHA-256"},
        {"level1.txt", "../level1.txt", 3, "file's name"},
        {"level1.txt", "..", 3, "file's name"},
        {"level1.txt", "level1.txt\r\r", 3, "control character"},
        {"seed 7\n", "seed 7\nfolder levels\r\r\n", 3, "control character"},
        {"seed 7\n", "seed 7\nfolder le\tvels\n", 3, "control character"},
        {"level1.txt", "level\xee\xee.txt", 3, "UTF-8"},
        {"level 1", "level 0", 3, "number"},
        {"level1.txt\n", "level1.txt\nlevel 1 " + hash + " other.txt\n", 4, "named twice"},
        {"seed 7\n", "seed 7\nscore 99\n", 3, "unknown line"},
        {"30 end 5", "30 end 5 6", 7, "final score"},
        {"0 new", "0 new now", 4, "nothing after"},
        {"10 timer turtle", "10 answer maybe", 5, "yes or no"},
        {"30 end 5", "30 levelover 1 won 3 4 5", 7, "passed or failed"},
        // Where a continued game starts: a header line of version 2, within a kept game's bounds.
        {seed, seed + "start 2 5 1 1 fresh\n", 3, "unknown line"},
        {seed, startAt("0 5 1 1 fresh"), 3, "a game's start"},
        {seed, startAt("2 32768 1 1 fresh"), 3, "a game's start"},
        {seed, startAt("2 -32769 1 1 fresh"), 3, "a game's start"},
        {seed, startAt("2 5 -1 1 fresh"), 3, "a game's start"},
        {seed, startAt("2 5 1 -1 replay"), 3, "a game's start"},
        {seed, startAt("2 5 1 1 bonus"), 3, "a game's start"},
        {seed, startAt("2 5 1 1"), 3, "a game's start"},
        {seed, startAt("2 5 1 1 fresh 9"), 3, "a game's start"},
        {seed, startAt("2 5 1 1 fresh\nstart 3 5 1 1 fresh"), 4, "unknown line"},
        {seed, startAt("2 5 1 1 fresh"), 5, "begins with continue"},
        {"0 new", "0 continue", 4, "needs its start"},
        {"10 timer turtle", "10 continue", 5, "New Game comes first"},
    };
    for (const auto& row : rows) {
        QByteArray bytes = Good;
        ASSERT_TRUE(bytes.contains(row.from)) << row.from.toStdString();
        bytes.replace(row.from, row.to);
        const RecordingReading reading = readRecording(bytes);
        EXPECT_FALSE(reading.recording) << row.to.toStdString();
        EXPECT_EQ(reading.line, row.line) << row.to.toStdString();
        EXPECT_TRUE(reading.error.english().contains(QLatin1String(row.message)))
            << reading.error.english().toStdString();
    }
    EXPECT_TRUE(readRecording(Good).recording);
    EXPECT_FALSE(readRecording(QByteArray()).recording);
}

// A million events read whole; a file past the limit is refused unread (a sparse file: no disk
// is filled), as are a folder and a missing file.
TEST(ReplayFile, ReadingIsBounded)
{
    QByteArray bytes = "pondrake-replay 1\nseed 1\n0 new\n";
    for (int i = 1; i < 1'000'000; ++i)
        bytes += QByteArray::number(i) + " timer bonus\n";
    bytes += "1000000 end 0\n";
    const RecordingReading reading = readRecording(bytes);
    ASSERT_TRUE(reading.recording) << reading.error.english().toStdString();
    EXPECT_EQ(reading.recording->events.size(), 1'000'001u);

    QTemporaryDir dir;
    QFile big(dir.filePath("big.replay"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.write(Good) == Good.size() && big.resize(MaxRecordingBytes + 1));
    big.close();
    EXPECT_TRUE(readRecordingFile(big.fileName()).error.english().contains(QLatin1String("larger")));
    EXPECT_FALSE(readRecordingFile(dir.path()).recording);
    EXPECT_FALSE(readRecordingFile(dir.filePath("none.replay")).recording);
    ASSERT_TRUE(big.resize(Good.size()));
    EXPECT_TRUE(readRecordingFile(big.fileName()).recording);
}

// Games ending one after another: each leaves last.replay; one that enters the top ten keeps its
// replay while its entry stays; twins get files of their own; an entry pushed out loses its file.
TEST(RecordingShelf, TopTenReplaysComeAndGoWithTheirEntries)
{
    QTemporaryDir dir;
    const QString scores = dir.filePath("levels/scores.txt");  // the folder does not exist yet
    const auto game = [&](const QString& name, int score) {
        ScoreTable table;
        LoadScores(scores, table);
        const int place = NewEntryPlace(table, score);
        EXPECT_TRUE(SaveScore(scores, table, name, score, TypedName));
        const QByteArray recording = "game of " + name.toUtf8() + " " + QByteArray::number(score);
        EXPECT_TRUE(keepRecording(scores, recording, place));
        LoadScores(scores, table);
        return entryRecordingPath(scores, table, place);
    };
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    };
    const auto kept = [&] { return QDir(dir.filePath("levels")).entryList({"top-*.replay"}).size(); };

    const QString first = game("Kim", 5);
    EXPECT_EQ(bytes(first), "game of Kim 5");
    EXPECT_EQ(bytes(dir.filePath("levels/last.replay")), "game of Kim 5");
    const QString twin = game("Kim", 5);
    EXPECT_NE(twin, first);
    EXPECT_EQ(bytes(first), "game of Kim 5");
    EXPECT_EQ(kept(), 2);
    // Eight zero entries are still in the table; nine better games push both Kims out, one by one.
    for (int i = 0; i < 8; ++i)
        game("Lee", 10 + i);
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(bytes(twin), "game of Kim 5");
    game("Ada", 100);
    EXPECT_EQ(bytes(first), "game of Kim 5");
    EXPECT_EQ(bytes(twin), "(none)");
    game("Ada", 200);
    EXPECT_EQ(bytes(first), "(none)");
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(bytes(dir.filePath("levels/last.replay")), "game of Ada 200");

    // A game that did not enter keeps only last.replay; a folder that cannot be written is told.
    EXPECT_TRUE(keepRecording(scores, "low game", std::nullopt));
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(bytes(dir.filePath("levels/last.replay")), "low game");
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(keepRecording(dir.filePath("file/scores.txt"), "lost", 0));
    EXPECT_FALSE(keepRecording(QString(), "no home", 0));
}
