#include "tools/sim/Players.h"
#include "tools/sim/BotPlayer.h"
#include "tools/sim/SimClock.h"

#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

// A level file's text; rows not given, and cells past the end of a short row, are blank.
std::string levelText(int bonus, int turtleMs, int dogMs, std::initializer_list<std::string_view> rows)
{
    std::string text = "pond1.mid\r\n" + std::to_string(bonus) + "\r\n" + std::to_string(turtleMs) + "\r\n" +
                       std::to_string(dogMs) + "\r\n";
    auto row = rows.begin();
    for (int r = 0; r < 20; ++r) {
        std::string line = row != rows.end() ? std::string(*row++) : std::string();
        line.resize(20, 'b');
        text += line + "\r\n";
    }
    return text;
}

// Level files in a temporary folder.
class LevelFolder {
public:
    // Writes the text as a level file and returns its path.
    std::string write(const std::string& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("level%1.txt").arg(++m_files));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

RunOutcome playScript(const std::string& path, std::string_view script, std::uint64_t seed = 1)
{
    std::istringstream in{std::string(script)};
    ScriptPlayer player(readScript(in));
    return playLevel(path, seed, player);
}

}  // namespace

// The story in tests/sim/story, worked out by hand. The countdown runs from 0 to 6 s; the bonus,
// turtle and dog timers start at 6 s in that order, so turtles step at 7, 8, 9 and 10 s, the dog
// at 6.7, 7.4, 8.1, 8.8 and 9.5 s, and at 10 s the bonus (10 - 4 = 6 s left) counts down before the
// turtles move. The top turtle walks right into the water at 10 s; the one below it into the hole
// at 8 s; the bottom one walks left, is turned up at 8.5 s one step from the hole and reaches the
// water at 10 s; the dog walks five steps left.
TEST(Simulation, AScriptedGameEndsAsWorkedOutByHand)
{
    const std::string story = std::string(PONDRAKE_SOURCE_DIR) + "/tests/sim/story/";
    std::ifstream commands(story + "commands.txt");
    ScriptPlayer player(readScript(commands));
    const RunOutcome run = playLevel(story + "level.txt", 1, player);
    EXPECT_TRUE(run.ended);
    EXPECT_TRUE(run.passed);
    EXPECT_EQ(run.saved, 2);
    EXPECT_EQ(run.lost, 1);
    EXPECT_EQ(run.score, -5 + 2 * (3 + 3));
    EXPECT_EQ(run.milliseconds, 10000);
    EXPECT_EQ(run.commands, 5);
    EXPECT_EQ(run.dogCommands, 1);
    EXPECT_EQ(rowOf(run.board, 0), "bbbb$bbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(run.board, 1), "bbjbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(run.board, 2), "bbhbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(run.board, 3), "bbb$bbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(run.board, 5), "bbhbbbbbbbbbbbbbbbbb");
}

TEST(Simulation, TheSameTurnTooLateLosesTheTurtleAndTheLevel)
{
    LevelFolder folder;
    const std::string path = folder.write(levelText(10, 1000, 700, {"", "", "", "bbb$", "", "bbhbbt"}));
    const RunOutcome run = playScript(path, "0 5 5 left\n9000 3 5 up\n");
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(run.saved, 0);
    EXPECT_EQ(run.lost, 1);
    EXPECT_EQ(run.score, -5);
    EXPECT_EQ(run.milliseconds, 9000);
    EXPECT_EQ(run.commands, 1);  // the turtle was gone before the second command
}

TEST(Simulation, ALevelWithoutTurtlesIsPassedAtTheFirstTurtleTick)
{
    LevelFolder folder;
    IdlePlayer idle;
    const RunOutcome run = playLevel(folder.write(levelText(50, 500, 700, {"$rh@"})), 1, idle);
    EXPECT_TRUE(run.passed);
    EXPECT_EQ(run.milliseconds, 6500);
    EXPECT_EQ(run.score, 0);
}

TEST(Simulation, ALevelThatNeverEndsStopsAfterTenMinutesAsFailed)
{
    LevelFolder folder;
    IdlePlayer idle;
    // A turtle boxed in by rocks bumps for ever; a turtle period of 0 never ticks at all.
    for (const std::string& text : {levelText(50, 500, 700, {"rrr", "rtr", "rrr", "bbb$"}),
                                    levelText(50, 0, 700, {"t$"})}) {
        const RunOutcome run = playLevel(folder.write(text), 1, idle);
        EXPECT_FALSE(run.ended);
        EXPECT_FALSE(run.passed);
        EXPECT_EQ(run.milliseconds, TimeLimit);
        EXPECT_EQ(run.saved + run.lost, 0);
    }
}

// A run is its seed and its commands: replayed, the computer player's game ends the same; another
// seed deals the turtles other directions and makes another game.
TEST(Simulation, AComputerPlayerGameRecordedAndReplayedEndsTheSame)
{
    LevelFolder folder;
    const std::string path =
        folder.write(levelText(60, 600, 500, {"tbbbbbbbbt", "", "bbbh@bbk", "", "bbtbbbbbtb", "", "$$$$$hhh$$$$"}));
    BotPlayer bot;
    RecordingPlayer recorder(bot);
    const RunOutcome played = playLevel(path, 3, recorder);
    ASSERT_GT(recorder.commands().size(), 2u);
    EXPECT_EQ(recorder.commands().front().at, 0);  // it looks as soon as the game starts
    std::string script;
    for (const TimedCommand& command : recorder.commands())
        script += scriptLine(command) + "\n";
    const RunOutcome replayed = playScript(path, script, 3);
    EXPECT_EQ(replayed.score, played.score);
    EXPECT_EQ(replayed.milliseconds, played.milliseconds);
    EXPECT_EQ(replayed.commands, played.commands);
    EXPECT_TRUE(replayed.board == played.board);

    bool differs = false;
    for (std::uint64_t seed = 4; seed < 16 && !differs; ++seed) {
        BotPlayer other;
        const RunOutcome run = playLevel(path, seed, other);
        differs = run.milliseconds != played.milliseconds || run.commands != played.commands;
    }
    EXPECT_TRUE(differs);
}

TEST(Simulation, ALevelFileThatCannotBeReadWholeIsRefused)
{
    LevelFolder folder;
    IdlePlayer idle;
    EXPECT_THROW(playLevel("/no/such/level.txt", 1, idle), UnreadableLevel);
    EXPECT_THROW(playLevel(folder.write("pond1.mid\r\n100\r\n1000\r\n"), 1, idle), UnreadableLevel);
    EXPECT_THROW(playLevel(folder.write(""), 1, idle), UnreadableLevel);
}

TEST(GiveCommand, DragsFromTheCellCentreThroughTheGameMouseRules)
{
    Board board = boardFromRows({"dbkbjr"});
    Selection selection;
    DragPoints drag;
    const struct {
        Command command;
        TileCode pressed;
        std::string row;
    } cases[] = {
        {{0, 0, DragDirection::Down}, U'd', "xbkbjr"},
        {{0, 0, DragDirection::None}, U'x', "xbkbjr"},  // a turtle keeps its way
        {{2, 0, DragDirection::Up}, U'k', "xbibjr"},
        {{4, 0, DragDirection::None}, U'j', "xbibkr"},  // a walking dog sits
        {{5, 0, DragDirection::Left}, U'r', "xbibkr"},  // a rock takes no command
        {{1, 0, DragDirection::Right}, U'b', "xbibkr"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(giveCommand(board, selection, drag, c.command), c.pressed);
        EXPECT_EQ(rowOf(board, 0).substr(0, 6), c.row);
        EXPECT_FALSE(selection.SelectionActive);
    }
    board(19, 19) = Tile::DogSit;  // the far corner is on the board too
    giveCommand(board, selection, drag, {19, 19, DragDirection::Left});
    EXPECT_EQ(board(19, 19), Tile::DogLeft);
}

// --- The clock ----------------------------------------------------------------------------------

TEST(SimClock, TimersDueTogetherFireInTheOrderTheyWereStarted)
{
    SimClock clock;
    for (GameTimer t : {GameTimer::Bonus, GameTimer::Turtle, GameTimer::Dog})
        clock.setPeriod(t, 500);
    clock.set(GameTimer::Dog, true);
    clock.set(GameTimer::Bonus, true);
    clock.set(GameTimer::Turtle, true);
    std::vector<GameTimer> fired;
    for (int i = 0; i < 6; ++i) {
        const auto due = clock.next();
        ASSERT_TRUE(due);
        EXPECT_EQ(due->at, i < 3 ? 500 : 1000);
        clock.fire(*due);
        fired.push_back(due->timer);
    }
    const std::vector<GameTimer> once = {GameTimer::Dog, GameTimer::Bonus, GameTimer::Turtle};
    EXPECT_EQ(std::vector<GameTimer>(fired.begin(), fired.begin() + 3), once);
    EXPECT_EQ(std::vector<GameTimer>(fired.begin() + 3, fired.end()), once);
}

TEST(SimClock, ARestartedTimerCountsItsPeriodFromNowAndASilentOneNeverFires)
{
    SimClock clock;
    clock.setPeriod(GameTimer::Turtle, 1000);
    clock.setPeriod(GameTimer::Dog, 0);
    clock.set(GameTimer::Turtle, true);
    clock.set(GameTimer::Dog, true);
    EXPECT_FALSE(clock.isOn(GameTimer::Dog));
    clock.fire(*clock.next());
    EXPECT_EQ(clock.now, 1000);
    clock.now = 1300;
    clock.setPeriod(GameTimer::Turtle, 400);  // running: starts again
    EXPECT_EQ(clock.next()->at, 1700);
    clock.set(GameTimer::Turtle, false);
    EXPECT_FALSE(clock.next());
}

TEST(SimClock, AHeldTimerWaitsOutWhatWasLeftOfItsPeriodThenRunsAtItsPeriodAgain)
{
    SimClock clock;
    clock.setPeriod(GameTimer::Dog, 700);
    clock.set(GameTimer::Dog, true);
    clock.now = 500;
    clock.hold(GameTimer::Dog);
    EXPECT_FALSE(clock.next());
    clock.now = 9000;
    clock.resume(GameTimer::Dog);
    EXPECT_EQ(clock.next()->at, 9200);
    clock.fire(*clock.next());
    EXPECT_EQ(clock.next()->at, 9900);
    clock.resume(GameTimer::Dog);  // not held: nothing changes
    EXPECT_EQ(clock.next()->at, 9900);
}
