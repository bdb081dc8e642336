// Replays as round trips through the rules: games played on the simulator's own clock, recorded,
// written, read and played again end on the same board, score and totals; a replay whose level is
// missing is refused; a replay that goes another way is caught at the event where it parts; a
// continued game verifies whole, and a game carries only the set it was played on.
#include "files/FileBytes.h"
#include "sim/BotPlayer.h"
#include "sim/EarlierSittings.h"
#include "sim/GameRun.h"
#include "sim/RecordingPlayer.h"
#include "sim/SelfContained.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The first three shipped levels, in a folder of their own.
class RecordingRoundTrip : public testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 3; ++n)
            ASSERT_TRUE(QFile::copy(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(n), levelPath(n)));
    }
    QString levelPath(int n) const { return m_dir.filePath(QStringLiteral("level%1.txt").arg(n)); }

    // Written and read back, as a file would be.
    GameRecording throughFile(const GameRecording& recording) const
    {
        RecordingReading reading = readRecording(recordingBytes(recording));
        EXPECT_TRUE(reading.recording) << reading.error.english().toStdString();
        return reading.recording.value_or(GameRecording{});
    }

    std::string divergenceOf(const GameRecording& recording) const
    {
        RecordingPlayer player(recording, m_dir.path());
        player.playToEnd();
        const Phrase said = player.refusal().value_or(player.divergence().value_or(Divergence{}).message);
        return said.isEmpty() ? "none" : said.english().toStdString();
    }

    QTemporaryDir m_dir;
};

void expectSameGame(const GameRun& run, const RecordingPlayer& player)
{
    EXPECT_FALSE(player.refusal());
    EXPECT_FALSE(player.divergence()) << player.divergence()->message.english().toStdString();
    EXPECT_TRUE(player.atEnd());
    EXPECT_TRUE(player.endConfirmed());
    EXPECT_EQ(player.field().score, run.score);
    EXPECT_EQ(player.field().saved, run.saved);
    EXPECT_EQ(player.field().lost, run.lost);
    EXPECT_EQ(player.level().board, run.board);
    ASSERT_EQ(player.levelEnds().size(), run.levelEnds.size());
    for (std::size_t i = 0; i < run.levelEnds.size(); ++i)
        EXPECT_EQ(player.levelEnds()[i], run.levelEnds[i]);
}

std::size_t indexOf(const GameRecording& recording, const QByteArray& line)
{
    for (std::size_t i = 0; i < recording.events.size(); ++i)
        if (eventLine(recording.events[i]).contains(line))
            return i;
    ADD_FAILURE() << "no event " << line.toStdString();
    return 0;
}

}  // namespace

// (A changed level is refused in the Replay window's line, and an earlier version's game whose
// timers the clock does not take is played as recorded there: RecordingWindowTest.)
TEST_F(RecordingRoundTrip, AMissingLevelRefusesTheReplay)
{
    BotPlayer bot;
    const GameRecording recording = playGame(m_dir.path(), 5, bot).recording;
    ASSERT_TRUE(QFile::remove(levelPath(2)));
    EXPECT_EQ(divergenceOf(recording), "Level 2 needs the file level2.txt with the SHA-256 " +
                                           recording.levels[1].sha256.toHex().toStdString() +
                                           ", which cannot be found");
    RecordingPlayer player(recording, m_dir.path());
    EXPECT_EQ(player.levelsMatched(), (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(player.step());
}

// Each row changes the recorded game as a changed rule would, and names where the replay parts.
// (A timer left out, moved or added is named by the clock: the server's table of hostile games.)
TEST_F(RecordingRoundTrip, AGameThatGoesAnotherWayIsCaughtWhereItParts)
{
    BotPlayer bot;
    const GameRecording game = throughFile(playGame(m_dir.path(), 5, bot).recording);
    ASSERT_EQ(divergenceOf(game), "none");
    const std::size_t firstLevelOver = indexOf(game, "levelover 1");
    const Checkpoint levelOne = game.events[firstLevelOver].checkpoint;
    const std::string counts = "saved: " + std::to_string(levelOne.saved) + ", lost: " + std::to_string(levelOne.lost);
    const struct {
        std::function<void(GameRecording&)> change;
        std::string message;
    } rows[] = {
        {[&](GameRecording& r) { r.events[firstLevelOver].checkpoint.score += 1; },
         "Level 1 passed (" + counts + ", score: " + std::to_string(levelOne.score) +
             "), where the game showed another end"},
        {[&](GameRecording& r) { r.events.erase(r.events.begin() + long(firstLevelOver)); },
         "Level 1 passed here (" + counts + "), where the game went on"},
        {[&](GameRecording& r) {
             RecordedEvent closed = r.events[0];
             closed.input.kind = GameInput::Kind::WindowClosed;
             r.events.insert(r.events.begin() + 1, closed);
         },
         "a window closed that the game did not open"},
        {[&](GameRecording& r) {
             RecordedEvent answer = r.events[0];
             answer.input.kind = GameInput::Kind::Answer;
             r.events.insert(r.events.begin() + 1, answer);
         },
         "an answer to a question the game did not ask"},
        {[&](GameRecording& r) { r.levels.pop_back(); }, "the game ended here, where it went on"},
        // A level's end the rules never reach: the record goes on past a level it ends.
        {[&](GameRecording& r) { r.events.insert(r.events.begin() + 2, r.events[firstLevelOver]); },
         "the game went on where level 1 ended"},
    };
    for (const auto& row : rows) {
        GameRecording changed = game;
        row.change(changed);
        EXPECT_EQ(divergenceOf(changed), row.message);
    }
    // Another seed deals the turtles other ways: the game parts somewhere, named.
    GameRecording reseeded = game;
    reseeded.seed += 1;
    EXPECT_NE(divergenceOf(reseeded), "none");
}

// A game left at the start of level 2 and continued with the recording kept with it is recorded
// whole: it verifies from level 1, and a later sitting goes on only from the level the rules kept.
TEST_F(RecordingRoundTrip, AContinuedGameIsRecordedWholeAndVerifiesFromLevelOne)
{
    BotPlayer first;
    const GameRun left = playGame(m_dir.path(), 5, first, {{}, {}, 2});
    ASSERT_TRUE(left.kept && left.keptRecording);
    const QByteArray keptBytes = recordingBytes(*left.keptRecording);
    const std::optional<GameRecording> earlier = earlierSittings(keptBytes, *left.kept, m_dir.path());
    ASSERT_TRUE(earlier);
    KeptLevel other = *left.kept;
    other.score += 1;
    EXPECT_FALSE(earlierSittings(keptBytes, other, m_dir.path())) << "a kept game that is not where it leads";

    BotPlayer second;
    const GameRun whole = playGame(m_dir.path(), 6, second, {left.kept, earlier, 0});
    ASSERT_TRUE(whole.won);
    EXPECT_TRUE(!whole.recording.start && whole.levelEnds.front().level == 1);
    const GameRecording read = throughFile(whole.recording);
    RecordingPlayer again(read, m_dir.path());
    again.playToEnd();
    expectSameGame(whole, again);
}

// A game travels with its set only if the set is the one it was played on (the game saved with
// its set and verified with no level on disk: LevelSetsTest).
TEST_F(RecordingRoundTrip, ASelfContainedGameCarriesOnlyTheSetItWasPlayedOn)
{
    BotPlayer bot;
    const GameRun won = playGame(m_dir.path(), 5, bot);
    ASSERT_TRUE(won.won);
    SetFile set{QStringLiteral("Three"), {}, {}, {}};
    for (int n = 1; n <= 3; ++n)
        set.levels.push_back(readFileHead(levelPath(n), 1 << 20)->bytes);
    SetFile changed{set.name, {}, {}, {set.levels[1], set.levels[0], set.levels[2], set.levels[0]}};
    EXPECT_TRUE(selfContained(won.recording, changed).problem.english().startsWith("Level 1 has changed since"));
    changed.levels = {set.levels[0], set.levels[1], set.levels[2], set.levels[0]};  // a level added since it was won
    EXPECT_TRUE(selfContained(won.recording, changed).problem.english().startsWith("the set has changed since"));
    const SelfContained carried = selfContained(won.recording, set);
    ASSERT_TRUE(carried.recording) << carried.problem.english().toStdString();
    EXPECT_EQ(carried.recording->set->levels, set.levels);
}
