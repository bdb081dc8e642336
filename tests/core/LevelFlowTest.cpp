#include "core/LevelFlow.h"

#include "core/Random.h"
#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct TestLevel {
    std::vector<std::string_view> rows;
    Int16 bonus = 100;
};

// Stands in for the game window: records what the flow asks of it.
class RecordingWindow : public GameWindow {
public:
    explicit RecordingWindow(modGlobals& globals) : m_globals(globals) {}

    std::map<int, TestLevel> levels;
    std::vector<std::string> log;
    std::map<GameTimer, Int16> periods;
    std::string countdown;  // the caption while shown, empty while hidden
    CountdownColour countdownColour = CountdownColour::Red;
    bool buttonsEnabled = false;
    bool abortAnswer = true;
    bool editorAnswer = true;
    int draws = 0;
    std::function<void()> whileAsking;
    std::function<void()> whileLevelOverOpen;
    std::function<void()> whileTopTenOpen;
    std::function<void()> whileEditorOpen;
    // The timers on a clock of our own, as a real window runs them: a running timer fires each
    // time its period has passed; a held one keeps what was left of its period.
    struct ClockTimer {
        bool running = false;
        bool held = false;
        int left = 0;  // milliseconds to the next timeout
    };
    std::map<GameTimer, ClockTimer> timers;
    bool paused = false;

    bool running(GameTimer timer) { return timers[timer].running; }
    void setTimer(GameTimer timer, bool on) override { timers[timer] = {on, false, periods[timer]}; }
    void setTimerPeriod(GameTimer timer, Int16 ms) override { periods[timer] = ms; }
    void holdTimer(GameTimer timer) override
    {
        EXPECT_TRUE(timers[timer].running) << "only a running timer is held";
        timers[timer].running = false;
        timers[timer].held = true;
    }
    void resumeTimer(GameTimer timer) override
    {
        EXPECT_TRUE(timers[timer].held) << "only a held timer resumes";
        timers[timer].running = true;
        timers[timer].held = false;
    }
    void showPaused(bool on) override { paused = on; }
    void showCountdown(std::string_view caption, CountdownColour colour) override
    {
        countdown = caption;
        countdownColour = colour;
    }
    void hideCountdown() override { countdown.clear(); }
    void setGameButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }

    bool loadLevel(Int16 n) override
    {
        log.push_back("load " + std::to_string(n));
        m_globals.TurtlesInLevel = 0;
        const auto level = levels.find(n);
        if (level == levels.end())
            return false;
        ClearBoard(m_globals.board);
        int row = 0;
        for (std::string_view text : level->second.rows) {
            for (int col = 0; col < static_cast<int>(text.size()); ++col) {
                m_globals.board(col, row) = static_cast<TileCode>(text[col]);
                m_globals.TurtlesInLevel = add16(m_globals.TurtlesInLevel, isTurtle(text[col]) ? 1 : 0);
            }
            ++row;
        }
        m_globals.LevelMusic = "pond" + std::to_string(n) + ".mid";
        m_globals.LevelBonus = level->second.bonus;
        m_globals.LevelTurtleInterval = 500;
        m_globals.LevelDogInterval = 700;
        return true;
    }
    bool levelExists(Int16 n) override { return levels.count(n) > 0; }

    void prepareMusic(const std::string& music) override { log.push_back("prepare " + music); }
    void playMusicIfAutoPlay() override { log.push_back("play music"); }
    void closeMusic() override { log.push_back("close music"); }
    void playEffect(std::string_view alias) override { log.push_back("effect " + std::string(alias)); }
    void DrawGrid() override { ++draws; }
    void showTotals() override {}
    void showLevelNumber(Int16 n) override { levelShown = n; }
    Int16 levelShown = 0;

    bool confirmAbort() override
    {
        log.push_back("ask abort");
        if (whileAsking)
            whileAsking();
        return abortAnswer;
    }
    void showLevelOver(const LevelReport& r) override
    {
        log.push_back("level " + std::to_string(r.levelNumber) + " over: saved " + std::to_string(r.saved) +
                      " lost " + std::to_string(r.lost) + (r.replay ? " replay" : ""));
        if (whileLevelOverOpen)
            whileLevelOverOpen();
    }
    bool confirmLevelEditor() override
    {
        log.push_back("ask level editor");
        if (whileAsking)
            whileAsking();
        return editorAnswer;
    }
    void showEditor() override
    {
        log.push_back("editor");
        if (whileEditorOpen)
            whileEditorOpen();
    }
    void showGameOver(std::int32_t score) override { log.push_back("game over " + std::to_string(score)); }
    void showTopTen() override
    {
        log.push_back("top ten");
        if (whileTopTenOpen)
            whileTopTenOpen();
    }

    bool logged(const std::string& entry) const { return std::count(log.begin(), log.end(), entry) > 0; }

private:
    modGlobals& m_globals;
};

// Boards whose turtles are all settled by the first turtle tick, whatever the draws.
const std::vector<std::string_view> TwoSavedOneLost = {"xxx", "$$h"};
const std::vector<std::string_view> OneSavedTwoLost = {"xxx", "$hh"};
const std::vector<std::string_view> OneSaved = {"x", "$"};

class LevelFlowTest : public ::testing::Test {
protected:
    modGlobals globals;
    GameRandom random{99};
    PlayField field{globals, random, GameScoring};
    RecordingWindow window{globals};
    LevelFlow flow{window, field};

    void SetUp() override { flow.Start(); }

    // From the countdown's "5" to the running level, or the given number of its steps.
    void countDown(int steps = 6)
    {
        for (int i = 0; i < steps; ++i)
            flow.timerCountDown_Timer();
    }

    void newGame(std::map<int, TestLevel> levels, int countdownSteps = 6)
    {
        window.levels = std::move(levels);
        flow.mnuNew_Click();
        countDown(countdownSteps);
    }

    std::vector<std::string> effects() const
    {
        std::vector<std::string> found;
        for (const std::string& entry : window.log)
            if (entry == "effect cheer" || entry == "effect boo" || entry == "effect Go")
                found.push_back(entry.substr(7));
        return found;
    }

    // The window's clock moves on, a millisecond at a time; every timer whose period has run out
    // fires, also while a modal window is open (as a nested event loop does).
    void advance(int milliseconds)
    {
        constexpr GameTimer all[] = {GameTimer::CountDown, GameTimer::Bonus, GameTimer::Turtle, GameTimer::Dog};
        for (int ms = 0; ms < milliseconds; ++ms) {
            std::vector<GameTimer> due;
            for (const GameTimer timer : all) {
                RecordingWindow::ClockTimer& t = window.timers[timer];
                if (t.running && --t.left <= 0) {
                    t.left = window.periods[timer];
                    due.push_back(timer);
                }
            }
            for (const GameTimer timer : due)
                if (window.running(timer))  // an earlier handler may have switched it off
                    fire(timer);
        }
    }

    void fire(GameTimer timer)
    {
        switch (timer) {
        case GameTimer::CountDown:
            return flow.timerCountDown_Timer();
        case GameTimer::Bonus:
            return flow.TimerBonus_Timer();
        case GameTimer::Turtle:
            return flow.TimerTurtle_Timer();
        case GameTimer::Dog:
            return flow.TimerDog_Timer();
        }
    }

    // A question asked at the countdown's "2" of a level that one turtle tick would win, open for
    // 15 seconds of the window's clock and then refused: nothing may have moved behind it, and the
    // countdown goes on from where it stood.
    void refuseAtTheCountdown(const std::function<void()>& ask, const std::string& question)
    {
        newGame({{1, {OneSaved, 30}}}, 3);
        ASSERT_EQ(window.countdown, "2");
        const Board before = globals.board;
        window.whileAsking = [&] {
            EXPECT_TRUE(flow.held());
            advance(15000);
        };
        window.log.clear();
        ask();
        EXPECT_EQ(window.log, std::vector<std::string>{question});
        EXPECT_EQ(window.countdown, "2");
        EXPECT_EQ(globals.board, before);
        EXPECT_TRUE(window.running(GameTimer::CountDown)) << "refused: the countdown runs on";
        EXPECT_FALSE(flow.held());
    }

    bool gameTimers(bool on) const
    {
        return flow.timerOn(GameTimer::Bonus) == on && flow.timerOn(GameTimer::Turtle) == on &&
               flow.timerOn(GameTimer::Dog) == on;
    }
};

}  // namespace

TEST_F(LevelFlowTest, AtStartUpLevelOneIsShownStillWithoutACountdown)
{
    window.levels = {{1, {TwoSavedOneLost}}};
    window.log.clear();
    flow.Start();
    EXPECT_TRUE(flow.GameOver);
    EXPECT_EQ(window.log.front(), "load 1");
    EXPECT_TRUE(window.countdown.empty());
    EXPECT_FALSE(flow.timerOn(GameTimer::CountDown));
    EXPECT_TRUE(gameTimers(false));
    EXPECT_FALSE(window.buttonsEnabled);
    EXPECT_GT(window.draws, 0);
}

TEST_F(LevelFlowTest, TheCountdownShowsFiveToGoThenStartsTheLevelAndItsMusic)
{
    window.levels = {{1, {TwoSavedOneLost, 80}}, {2, {OneSaved}}};
    flow.mnuNew_Click();
    EXPECT_EQ(window.countdown, "5");
    EXPECT_TRUE(flow.timerOn(GameTimer::CountDown));
    EXPECT_TRUE(gameTimers(false));
    EXPECT_EQ(window.periods[GameTimer::Turtle], 500);
    EXPECT_EQ(window.periods[GameTimer::Dog], 700);
    EXPECT_EQ(field.time, 80);

    std::vector<std::string> captions;
    for (int i = 0; i < 5; ++i) {
        flow.timerCountDown_Timer();
        captions.push_back(window.countdown);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"4", "3", "2", "1", "GO!"}));
    EXPECT_EQ(window.countdownColour, CountdownColour::Green);
    EXPECT_EQ(effects(), std::vector<std::string>{"Go"});
    EXPECT_TRUE(gameTimers(false));
    EXPECT_FALSE(window.logged("play music"));

    const int drawsBefore = window.draws;
    flow.timerCountDown_Timer();
    EXPECT_TRUE(window.countdown.empty());
    EXPECT_FALSE(flow.timerOn(GameTimer::CountDown));
    EXPECT_TRUE(gameTimers(true));
    EXPECT_TRUE(window.logged("play music"));
    EXPECT_EQ(window.draws, drawsBefore + 1);  // every countdown step repaints the board
}

TEST_F(LevelFlowTest, AFailedLevelBoosAndIsReplayedWithoutBonusThenAPassedOneCheersAndTheNextStarts)
{
    newGame({{1, {OneSavedTwoLost, 60}}, {2, {OneSaved, 60}}});
    flow.TimerTurtle_Timer();
    EXPECT_EQ(effects(), (std::vector<std::string>{"Go", "boo"}));
    EXPECT_TRUE(window.logged("level 1 over: saved 1 lost 2 replay"));
    EXPECT_TRUE(flow.ReplayLevel);
    EXPECT_EQ(flow.LevelNumber, 1);
    EXPECT_EQ(field.time, 0);

    // Passed on the next attempt: the level after it has its full bonus again.
    window.levels[1] = {TwoSavedOneLost, 60};
    flow.butReplay_Click(); // reload the easier board
    countDown();
    window.whileLevelOverOpen = [&] { EXPECT_TRUE(gameTimers(false)) << "the board stands still behind it"; };
    window.log.clear();
    flow.TimerTurtle_Timer();
    EXPECT_EQ(effects(), (std::vector<std::string>{"cheer"}));
    EXPECT_TRUE(window.logged("level 1 over: saved 2 lost 1"));
    EXPECT_TRUE(window.logged("close music"));
    EXPECT_EQ(window.log.back(), "prepare pond2.mid");
    EXPECT_FALSE(flow.ReplayLevel);
    EXPECT_EQ(flow.LevelNumber, 2);
    EXPECT_EQ(window.countdown, "5");
    EXPECT_EQ(field.time, 60);
    EXPECT_EQ(field.saved, 3);
    EXPECT_EQ(field.lost, 3);
    EXPECT_EQ(field.TurtlesSavedInLevel, 0); // counted afresh for level 2
}

TEST_F(LevelFlowTest, TiesPassAndALevelWithoutTurtlesPassesAfterItsFirstTurtleTick)
{
    newGame({{1, {{"xx", "$h"}}}, {2, {{"rrr"}}}, {3, {OneSaved}}});
    flow.TimerTurtle_Timer();
    EXPECT_EQ(flow.LevelNumber, 2);
    countDown();
    flow.TimerDog_Timer();  // the dog tick never ends a level
    EXPECT_EQ(flow.LevelNumber, 2);
    flow.TimerTurtle_Timer();
    EXPECT_TRUE(window.logged("level 2 over: saved 0 lost 0"));
    EXPECT_EQ(flow.LevelNumber, 3);
}

TEST_F(LevelFlowTest, ACountBelowZeroStillEndsTheLevel)
{
    // Hand-made files can place uncounted turtles; two leaving at once take the count from 1 to -1.
    window.levels = {{1, {{"xx", "$$"}}}, {2, {OneSaved}}};
    flow.mnuNew_Click();
    globals.TurtlesInLevel = 1;
    countDown();
    flow.TimerTurtle_Timer();
    EXPECT_TRUE(window.logged("level 1 over: saved 2 lost 0"));
    EXPECT_EQ(flow.LevelNumber, 2);
}

TEST_F(LevelFlowTest, PassingTheLastLevelWinsAndTheCreaturesKeepMovingBehindTheScoreWindows)
{
    newGame({{1, {{"x", "$", "", "bl"}}}});
    window.whileTopTenOpen = [&] {
        EXPECT_TRUE(flow.timerOn(GameTimer::Turtle));
        EXPECT_TRUE(flow.timerOn(GameTimer::Dog));
        flow.TimerDog_Timer();  // a tick while the table is open moves the dog
    };
    window.log.clear();
    flow.TimerTurtle_Timer();
    EXPECT_TRUE(flow.GameOver);
    EXPECT_FALSE(window.buttonsEnabled);
    EXPECT_EQ(flow.LevelNumber, 2);  // names the first missing level
    EXPECT_EQ(window.levelShown, 1);  // while the level shown stays the last one played
    const std::vector<std::string> tail(window.log.end() - 3, window.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"close music", "game over 53", "top ten"}));
    EXPECT_EQ(globals.board(2, 3), Tile::DogRight);

    // After the game a turtle tick no longer checks for the end of a level.
    window.log.clear();
    flow.TimerTurtle_Timer();
    EXPECT_FALSE(window.logged("game over 53"));
}

TEST_F(LevelFlowTest, ReplayDuringTheCountdownStartsItAgainAtFive)
{
    newGame({{1, {TwoSavedOneLost}}}, 1);
    flow.timerCountDown_Timer();
    EXPECT_EQ(window.countdown, "3");
    flow.butReplay_Click();
    EXPECT_EQ(window.countdown, "5");
    EXPECT_EQ(window.countdownColour, CountdownColour::Red);
    EXPECT_TRUE(flow.ReplayLevel);
    EXPECT_EQ(field.time, 0);
    EXPECT_TRUE(gameTimers(false));
}

TEST_F(LevelFlowTest, AbortAnsweredNoChangesNothingAndYesBlanksEveryTurtleAndNothingElse)
{
    newGame({{1, {{"xawdb", "bhbbb", "bbr@k", "12$ml"}}}}, 1);
    field.score = -12;
    const Board before = globals.board;
    window.log.clear();
    window.abortAnswer = false;
    flow.butEndGame_Click();
    EXPECT_FALSE(flow.GameOver);
    EXPECT_TRUE(window.buttonsEnabled);
    EXPECT_TRUE(flow.timerOn(GameTimer::CountDown));
    EXPECT_EQ(globals.board, before);
    EXPECT_EQ(window.log, std::vector<std::string>{"ask abort"});

    window.log.clear();
    window.abortAnswer = true;
    flow.butEndGame_Click();
    EXPECT_EQ(rowOf(globals.board, 0), "bbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 1), "bhbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 2), "bbr@kbbbbbbbbbbbbbbb");
    EXPECT_EQ(rowOf(globals.board, 3), "12$mlbbbbbbbbbbbbbbb");
    EXPECT_EQ(globals.TurtlesInLevel, 4); // the turtles vanish uncounted
    EXPECT_TRUE(flow.GameOver);
    EXPECT_FALSE(window.buttonsEnabled);
    EXPECT_FALSE(flow.timerOn(GameTimer::CountDown));
    EXPECT_TRUE(flow.timerOn(GameTimer::Turtle));
    EXPECT_TRUE(flow.timerOn(GameTimer::Dog));
    EXPECT_EQ(window.countdown, "4"); // aborted during the countdown, the last number stays
    EXPECT_EQ(window.log, (std::vector<std::string>{"ask abort", "close music", "game over -12", "top ten"}));
}

TEST_F(LevelFlowTest, NewGameMidGameStartsOverAtLevelOneWithZeroTotals)
{
    newGame({{1, {TwoSavedOneLost}}, {2, {OneSaved}}});
    flow.TimerTurtle_Timer();
    ASSERT_EQ(flow.LevelNumber, 2);
    window.log.clear();
    flow.mnuNew_Click();
    EXPECT_EQ(flow.LevelNumber, 1);
    EXPECT_EQ(field.score, 0);
    EXPECT_EQ(field.saved, 0);
    EXPECT_EQ(field.lost, 0);
    EXPECT_TRUE(window.buttonsEnabled);
    EXPECT_EQ(window.countdown, "5");
    EXPECT_EQ((std::vector<std::string>(window.log.begin(), window.log.begin() + 3)),
              (std::vector<std::string>{"close music", "load 1", "prepare pond1.mid"}));
}

TEST_F(LevelFlowTest, HighScoresPausesAndRestoresWhatWasRunning)
{
    window.levels = {{1, {TwoSavedOneLost}}};
    // Before any game: everything stays off.
    window.whileTopTenOpen = [&] { EXPECT_TRUE(gameTimers(false)); };
    flow.mnuHighScores_Click();
    EXPECT_TRUE(gameTimers(false));

    // During play: paused while the table is open, running again after.
    flow.mnuNew_Click();
    countDown();
    flow.mnuHighScores_Click();
    EXPECT_TRUE(gameTimers(true));

    // During the countdown: the countdown pauses too and goes on afterwards.
    flow.butReplay_Click();
    flow.timerCountDown_Timer();
    window.whileTopTenOpen = [&] { EXPECT_FALSE(flow.timerOn(GameTimer::CountDown)); };
    flow.mnuHighScores_Click();
    EXPECT_TRUE(flow.timerOn(GameTimer::CountDown));
    EXPECT_TRUE(gameTimers(false));
    countDown();
    EXPECT_TRUE(gameTimers(true));
}

TEST_F(LevelFlowTest, TheBonusClockStopsAtZero)
{
    newGame({{1, {TwoSavedOneLost, 2}}});
    for (int i = 0; i < 4; ++i)
        flow.TimerBonus_Timer();
    EXPECT_EQ(field.time, 0);
}

TEST_F(LevelFlowTest, TheAbortQuestionHoldsTheGameStillUntilItIsAnswered)
{
    window.abortAnswer = false;
    refuseAtTheCountdown([&] { flow.butEndGame_Click(); }, "ask abort");

    // The countdown goes on from where it stood, and the level runs.
    countDown(3);
    ASSERT_TRUE(gameTimers(true));
    flow.TimerBonus_Timer();
    const Int16 bonus = field.time;
    window.abortAnswer = true;
    window.log.clear();
    flow.butEndGame_Click();
    EXPECT_EQ(window.log, (std::vector<std::string>{"ask abort", "close music", "game over 0", "top ten"}))
        << "Yes: the game ends once, with nothing saved behind the question";
    EXPECT_EQ(field.time, bonus);
    EXPECT_TRUE(window.running(GameTimer::Bonus)) << "the bonus clock counts down behind the score windows";
    EXPECT_FALSE(flow.held());
}

TEST_F(LevelFlowTest, HoldsNestAndOnlyTimersThatWereOnResume)
{
    newGame({{1, {TwoSavedOneLost}}});
    flow.hold();
    flow.hold();
    EXPECT_FALSE(window.running(GameTimer::Turtle));
    flow.release();
    EXPECT_TRUE(flow.held());
    EXPECT_FALSE(window.running(GameTimer::Turtle));
    flow.release();
    EXPECT_FALSE(flow.held());
    EXPECT_TRUE(window.running(GameTimer::Turtle));
    EXPECT_TRUE(window.running(GameTimer::Dog));
    EXPECT_FALSE(window.running(GameTimer::CountDown));
    flow.release();  // one release too many changes nothing
    EXPECT_FALSE(flow.held());
    EXPECT_TRUE(window.running(GameTimer::Bonus));
}

TEST_F(LevelFlowTest, APauseHoldsTheCountdownAndThePlayWhereTheyStoodAndResumesThem)
{
    window.levels = {{1, {{"x"}, 40}}};  // one turtle walking down an empty board: the level runs on
    flow.mnuNew_Click();
    advance(2300);
    ASSERT_EQ(window.countdown, "3");
    flow.pause();
    EXPECT_TRUE(window.paused);
    advance(60000);
    EXPECT_EQ(window.countdown, "3");
    flow.resume();
    EXPECT_FALSE(window.paused);
    advance(699);
    EXPECT_EQ(window.countdown, "3") << "the number shown keeps what was left of its second";
    advance(1);
    EXPECT_EQ(window.countdown, "2");

    advance(3000 + 500 + 250);  // "GO!", the level runs, one turtle beat and half the next
    ASSERT_EQ(globals.board(0, 1), Tile::TurtleDown);
    const Int16 bonus = field.time;
    flow.pause();
    advance(60000);
    EXPECT_EQ(globals.board(0, 1), Tile::TurtleDown);
    EXPECT_EQ(field.time, bonus);
    flow.resume();
    advance(249);
    EXPECT_EQ(globals.board(0, 1), Tile::TurtleDown);
    advance(1);
    EXPECT_EQ(globals.board(0, 2), Tile::TurtleDown) << "the beat that was half gone comes after the other half";
}

TEST_F(LevelFlowTest, PauseIsForARunningGameAndNewGameReplayAndAbortEndIt)
{
    window.levels = {{1, {{"x"}, 40}}};
    flow.pause();  // no game yet
    EXPECT_FALSE(flow.paused());

    flow.mnuNew_Click();
    advance(6500);
    flow.pause();
    flow.mnuNew_Click();
    EXPECT_FALSE(flow.paused());
    EXPECT_FALSE(window.paused);
    EXPECT_TRUE(window.running(GameTimer::CountDown)) << "the new game counts down at once";

    flow.pause();
    flow.butReplay_Click();
    EXPECT_FALSE(flow.paused());
    EXPECT_TRUE(window.running(GameTimer::CountDown));

    advance(6500);
    flow.pause();
    window.abortAnswer = false;
    flow.butEndGame_Click();
    EXPECT_TRUE(flow.paused()) << "No leaves the game paused";
    window.abortAnswer = true;
    flow.butEndGame_Click();
    EXPECT_FALSE(flow.paused());
    EXPECT_TRUE(window.running(GameTimer::Turtle)) << "creatures move behind the score windows";
    flow.pause();
    EXPECT_FALSE(flow.paused()) << "no game runs";
}

TEST_F(LevelFlowTest, WithNoGameRunningTheEditorOpensAtOnceOverAStillShell)
{
    window.levels = {{1, {TwoSavedOneLost}}};
    bool stillWhileOpen = false;
    window.whileEditorOpen = [&] {
        stillWhileOpen = gameTimers(false) && !window.running(GameTimer::CountDown);
        ClearBoard(globals.board);  // whatever the editor leaves on the shared board stays there
    };
    window.log.clear();
    flow.mnuLevelEditor_Click();
    EXPECT_EQ(window.log, std::vector<std::string>{"editor"});
    EXPECT_TRUE(stillWhileOpen);

    // After a game has ended the creatures move behind the score windows: the editor stops them.
    newGame({{1, {OneSaved}}});
    flow.butEndGame_Click();
    ASSERT_TRUE(window.running(GameTimer::Dog));
    window.log.clear();
    flow.mnuLevelEditor_Click();
    EXPECT_EQ(window.log, std::vector<std::string>{"editor"});
    EXPECT_TRUE(stillWhileOpen);
    EXPECT_TRUE(gameTimers(false));
    EXPECT_EQ(rowOf(globals.board, 1), std::string(BoardSize, 'b')) << "the board is not reloaded";
    EXPECT_TRUE(flow.GameOver);
}

TEST_F(LevelFlowTest, DuringAGameTheEditorQuestionHoldsItCancelRunsOnAndOkAbandonsItWithoutScoreWindows)
{
    window.editorAnswer = false;
    refuseAtTheCountdown([&] { flow.mnuLevelEditor_Click(); }, "ask level editor");
    EXPECT_FALSE(flow.GameOver);
    const Board before = globals.board;

    // A failed level makes the next attempt a replay; OK forgets that with the game. Paused, too.
    countDown(3);
    flow.butReplay_Click();
    flow.pause();
    window.editorAnswer = true;
    bool stillWhileOpen = false;
    window.whileEditorOpen = [&] {
        stillWhileOpen = gameTimers(false) && !window.running(GameTimer::CountDown) && !flow.held();
        advance(15000);
    };
    window.log.clear();
    flow.mnuLevelEditor_Click();
    EXPECT_EQ(window.log, (std::vector<std::string>{"ask level editor", "close music", "editor"}));
    EXPECT_TRUE(stillWhileOpen);
    EXPECT_EQ(globals.board, before) << "nothing moved while the editor was open";
    EXPECT_TRUE(flow.GameOver);
    EXPECT_FALSE(flow.ReplayLevel);
    EXPECT_FALSE(window.buttonsEnabled);
    EXPECT_FALSE(flow.paused());
    EXPECT_FALSE(window.paused);
    EXPECT_TRUE(gameTimers(false));
}
