// The player's commands of the level flow: New Game, Replay Level, Abort Game, High Scores, the
// Level Editor and another level set, their questions, and the holds and the pause that keep a
// game still.
#include "core/LevelFlow.h"

#include <utility>

void LevelFlow::newGame()
{
    endPause();
    m_window.closeMusic();
    levelNumber = 1;
    gameOver = false;
    replayingLevel = false;
    m_field.resetGame();
    m_window.setGameButtonsEnabled(true);
    setTimer(GameTimer::CountDown, false);
    startLevel(levelNumber);
}

void LevelFlow::continueGame(const KeptLevel& kept)
{
    endPause();
    m_window.closeMusic();
    levelNumber = kept.levelNumber;
    gameOver = false;
    replayingLevel = kept.replay;
    m_field.resetGame();
    m_field.score = kept.score;
    m_field.saved = kept.saved;
    m_field.lost = kept.lost;
    m_window.setGameButtonsEnabled(true);
    setTimer(GameTimer::CountDown, false);
    startLevel(levelNumber);
}

void LevelFlow::startTest(Int16 bonus, Int16 turtlePeriod, Int16 dogPeriod)
{
    m_clock.catchUp();  // the beats count from this moment
    m_testing = true;
    m_field.resetGame();
    m_field.resetLevel();
    m_field.time = bonus;
    // In this order, which a game's level start does not keep: of two beats due at one moment,
    // the turtles' comes first in a test.
    for (const auto& [timer, period] : {std::pair{GameTimer::Turtle, turtlePeriod},
                                        std::pair{GameTimer::Bonus, SecondMs}, std::pair{GameTimer::Dog, dogPeriod}}) {
        m_clock.setPeriod(timer, period);
        setTimer(timer, true);
    }
}

void LevelFlow::endTest()
{
    setGameTimers(false);
    m_testing = false;
    m_field.resetLevel();
}

void LevelFlow::replayLevel()
{
    endPause();
    m_window.closeMusic();
    replayingLevel = true;
    setGameTimers(false);
    startLevel(levelNumber);
}

void LevelFlow::ask(GameInput::Kind asking, Question question)
{
    // Held while the question is open: a level that ended behind it would end the game twice. The
    // window's answer may come before ask() returns: nothing may follow it here.
    hold();
    m_asking = asking;
    m_window.ask(question);
}

void LevelFlow::answer(bool yes)
{
    const GameInput::Kind asked = *m_asking;
    m_asking.reset();
    release();
    if (!yes)
        return;
    giveUpGame();
    if (asked == GameInput::Kind::Abort)
        return abortGame();
    if (asked == GameInput::Kind::LevelEditor) {
        replayingLevel = false;
        return openEditor();
    }
    m_window.changeLevelSet();
}

void LevelFlow::giveUpGame()
{
    forgetKeptGame();
    endPause();
    m_window.closeMusic();
    gameOver = true;
    m_window.setGameButtonsEnabled(false);
}

void LevelFlow::abortGame()
{
    setTimer(GameTimer::CountDown, false);
    // The turtles vanish uncounted: score, totals and the level's count stay as they were.
    Board& board = m_field.board();
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (isTurtle(board(col, row)))
                board(col, row) = Tile::Blank;
    showScoreWindows();
}

void LevelFlow::showScoreWindows()
{
    forgetKeptGame();
    setTimer(GameTimer::Dog, true);
    setTimer(GameTimer::Turtle, true);
    openWindow([this] { m_window.showGameOver(m_field.score); });
    m_window.drawGrid();
    openWindow([this] { m_window.showTopTen(); });
    m_window.drawGrid();
}

void LevelFlow::showHighScores()
{
    if (held()) {  // paused: the game stays as it stands
        openWindow([this] { m_window.showTopTen(); });
        return;
    }
    // The countdown pauses too: left running, it would switch the game timers on behind the
    // table, and restoring them afterwards would leave the level frozen for good.
    const bool playing = timerOn(GameTimer::Dog);
    const bool countingDown = timerOn(GameTimer::CountDown);
    setGameTimers(false);
    setTimer(GameTimer::CountDown, false);
    openWindow([this] { m_window.showTopTen(); });
    setGameTimers(playing);
    setTimer(GameTimer::CountDown, countingDown);
}

void LevelFlow::levelEditor()
{
    if (gameOver)
        return openEditor();
    ask(GameInput::Kind::LevelEditor, Question::LevelEditor);
}

void LevelFlow::openEditor()
{
    forgetKeptGame();  // the editor may change the levels a kept game would go on with
    setGameTimers(false);
    setTimer(GameTimer::CountDown, false);
    openWindow([this] { m_window.showEditor(); });
    setGameTimers(false);
}

void LevelFlow::levelSet()
{
    if (!gameOver)
        return ask(GameInput::Kind::LevelSet, Question::LevelEditor);
    forgetKeptGame();
    m_window.changeLevelSet();
}

void LevelFlow::hold()
{
    ++m_holds;
    for (const GameTimer timer : AllTimers)
        m_clock.hold(timer);  // a timer that is off or held already has nothing more to hold
}

void LevelFlow::release()
{
    if (m_holds == 0 || --m_holds > 0)
        return;
    for (const GameTimer timer : AllTimers)
        m_clock.resume(timer);
}

void LevelFlow::pause()
{
    m_paused = true;
    hold();
    m_window.showPaused(true);
}

void LevelFlow::endPause()
{
    if (!m_paused)
        return;
    m_paused = false;
    release();
    m_window.showPaused(false);
}
