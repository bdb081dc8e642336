// The replay file: written and read back bit for bit, refused with the line at fault when it is
// hostile, bounded in what it takes in; and the replays kept beside the top ten as entries come
// and go.

#include "files/ReplayFile.h"
#include "files/RecordingShelf.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/RefusalRows.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <limits>

namespace {

// A game with every kind of event, two at the same time, and board positions no decimal text of a
// few digits carries.
GameRecording sampleGame()
{
    using K = GameInput::Kind;
    GameRecording recording;
    recording.seed = 18446744073709551615ULL;
    recording.folder = QStringLiteral("/tmp/my levels");
    recording.levels = {{1, QStringLiteral("level1.txt"), QByteArray(32, '\x5a')},
                        {2, QStringLiteral("my level 2.txt"), QByteArray(32, '\x01')}};
    Millis at = 0;
    for (K kind : {K::NewGame, K::Timer, K::MouseDown, K::MouseMove, K::MouseUp, K::LetGo, K::Pause, K::Resume,
                   K::HighScores, K::WindowClosed, K::Replay, K::Abort, K::Answer, K::LevelEditor, K::Window})
        recording.events.push_back({at += kind == K::MouseUp ? 0 : 100, RecordedEvent::Kind::Input, {kind}, {}});
    recording.events[1].input.timer = GameTimer::Dog;
    recording.events[2].input = {K::MouseDown, GameTimer::CountDown, 0.1f, 1e-40f};
    recording.events[3].input = {K::MouseMove, GameTimer::CountDown, -0.0f, std::numeric_limits<float>::max()};
    recording.events[4].input = {K::MouseUp, GameTimer::CountDown, 123.456f, -7.25f};
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
    EXPECT_TRUE(back.seed == recording.seed && back.folder == recording.folder && back.levels == recording.levels);
    ASSERT_EQ(back.events.size(), recording.events.size());
    for (std::size_t i = 0; i < recording.events.size(); ++i) {
        const RecordedEvent &a = recording.events[i], &b = back.events[i];
        EXPECT_TRUE(b.at == a.at && b.kind == a.kind && b.input.kind == a.input.kind && b.checkpoint == a.checkpoint &&
                    b.input.timer == a.input.timer && b.input.yes == a.input.yes &&
                    std::bit_cast<std::uint32_t>(b.input.x) == std::bit_cast<std::uint32_t>(a.input.x) &&
                    std::bit_cast<std::uint32_t>(b.input.y) == std::bit_cast<std::uint32_t>(a.input.y))
            << eventLine(b).toStdString();
    }
    EXPECT_EQ(recordingBytes(back), bytes);
    EXPECT_TRUE(bytes.startsWith("pondrake-replay 4\nseed ")) << "every game the clock recorded says so";

    // A continued game that an earlier version recorded: its start, at the far ends of what a kept
    // game holds, is written in version 2 as it was read, so that nobody takes its timers for the clock's.
    GameRecording continued = recording;
    continued.version = 1;
    std::erase_if(continued.events, [](const RecordedEvent& e) { return e.input.kind == GameInput::Kind::Window; });
    continued.start = KeptLevel{32767, -32768, 0, 0, true};
    continued.events[0].input.kind = GameInput::Kind::Continue;
    const QByteArray continuedBytes = recordingBytes(continued);
    EXPECT_TRUE(continuedBytes.startsWith("pondrake-replay 2\n"));
    const RecordingReading continuedBack = readRecording(continuedBytes);
    ASSERT_TRUE(continuedBack.recording) << continuedBack.line << ": " << continuedBack.error.english().toStdString();
    EXPECT_EQ(continuedBack.recording->start, continued.start);
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
    expectRefusals(Good,
                   {
                       {"30 end 5\n", "", 6, "cut short"},
                       {"30 end 5\n", "30 end", 7, "final score"},
                       {"20 down", "5 down", 6, "time goes back"},
                       {"10 timer turtle", "10 jump", 5, "unknown event"},
                       {"10 timer turtle", "10 timer snail", 5, "countdown, bonus, turtle or dog"},
                       {"10 timer turtle", "10 new", 5, "New Game comes first"},
                       {"0 new", "0 timer bonus", 4, "start with New Game"},
                       {"30 end 5\n", "30 end 5\n31 timer dog\n", 8, "follow the game's end"},
                       {"1p+4 1.8p+3", "16 12", 6, "hexadecimal"},  // decimal digits read as hex would move the mouse
                       {"1p+4 1.8p+3", "1p+4", 6, "hexadecimal"},
                       {"20 down", "-20 down", 6, "time in milliseconds"},
                       {"20 down", "99999999999999999999 down", 6, "time in milliseconds"},
                       {"pondrake-replay 1", "pondrake-replay 5", 1, "newer version"},
                       {"10 timer turtle", "10 window", 5, "unknown event"},  // a version 4 word
                       {"pondrake-replay 1", "pondrake-replay x", 1, "no number"},
                       {"pondrake-replay 1", "PK\x03\x04", 1, "no replay"},
                       {"seed 7", "seed -7", 2, "whole number"},
                       {"seed 7\n", "", 2, "no seed"},
                       {"level 1 " + hash, "level 1 " + hash.left(62), 3, "SHA-256"},
                       {"level1.txt", "../level1.txt", 3, "file's name"},
                       {"level1.txt", "level1.txt\r\r", 3, "control character"},
                       {"level1.txt", "level\xee\xee.txt", 3, "UTF-8"},
                       {"level 1", "level 0", 3, "number"},
                       {"level1.txt\n", "level1.txt\nlevel 1 " + hash + " other.txt\n", 4, "named twice"},
                       {"seed 7\n", "seed 7\nscore 99\n", 3, "unknown line"},
                       {"0 new", "0 new now", 4, "nothing after"},
                       {"10 timer turtle", "10 answer maybe", 5, "yes or no"},
                       {"30 end 5", "30 levelover 1 won 3 4 5", 7, "passed or failed"},
                       // Where a continued game starts: a header line of version 2, within a kept game's bounds.
                       {seed, seed + "start 2 5 1 1 fresh\n", 3, "unknown line"},
                       {seed, startAt("0 5 1 1 fresh"), 3, "a game's start"},
                       {seed, startAt("2 32768 1 1 fresh"), 3, "a game's start"},
                       {seed, startAt("2 5 -1 1 fresh"), 3, "a game's start"},
                       {seed, startAt("2 5 1 1 bonus"), 3, "a game's start"},
                       {seed, startAt("2 5 1 1 fresh 9"), 3, "a game's start"},
                       {seed, startAt("2 5 1 1 fresh\nstart 3 5 1 1 fresh"), 4, "unknown line"},
                       {seed, startAt("2 5 1 1 fresh"), 5, "begins with continue"},
                       {"0 new", "0 continue", 4, "needs its start"},
                   },
                   [](const QByteArray& bytes) { return readRecording(bytes); });
    EXPECT_TRUE(readRecording(Good).recording);
    EXPECT_FALSE(readRecording(QByteArray()).recording);
}

// Games ending one after another: each leaves last.replay; one that enters the top ten keeps its
// replay while its entry stays; twins get files of their own; an entry pushed out loses its file.
TEST(RecordingShelf, TopTenReplaysComeAndGoWithTheirEntries)
{
    QTemporaryDir dir;
    const QString scores = dir.filePath("levels/scores.txt");  // the folder does not exist yet
    const auto game = [&](const QString& name, int score) {
        ScoreTable table;
        loadScores(scores, table);
        const int place = newEntryPlace(table, score);
        EXPECT_TRUE(saveScore(scores, table, name, score, TypedName));
        EXPECT_TRUE(keepRecording(scores, "game of " + name.toUtf8() + " " + QByteArray::number(score), place));
        loadScores(scores, table);
        return entryRecordingPath(scores, table, place);
    };
    const auto kept = [&] { return QDir(dir.filePath("levels")).entryList({"top-*.replay"}).size(); };

    const QString first = game("Kim", 5);
    EXPECT_EQ(readFile(dir.filePath("levels/last.replay")), "game of Kim 5");
    const QString twin = game("Kim", 5);
    EXPECT_NE(twin, first);
    EXPECT_EQ(readFile(first), "game of Kim 5");
    EXPECT_EQ(kept(), 2);
    // Eight zero entries are still in the table; nine better games push both Kims out, one by one.
    for (int i = 0; i < 8; ++i)
        game("Lee", 10 + i);
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(readFile(twin), "game of Kim 5");
    game("Ada", 100);
    EXPECT_EQ(readFile(first), "game of Kim 5");
    EXPECT_EQ(readFile(twin), "(missing)");
    game("Ada", 200);
    EXPECT_EQ(readFile(first), "(missing)");
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(readFile(dir.filePath("levels/last.replay")), "game of Ada 200");

    // A game that did not enter keeps only last.replay; a folder that cannot be written is told.
    EXPECT_TRUE(keepRecording(scores, "low game", std::nullopt));
    EXPECT_EQ(kept(), 10);
    EXPECT_EQ(readFile(dir.filePath("levels/last.replay")), "low game");
    writeFile(dir.filePath("file"), "");
    EXPECT_FALSE(keepRecording(dir.filePath("file/scores.txt"), "lost", 0));
    EXPECT_FALSE(keepRecording(QString(), "no home", 0));
}
