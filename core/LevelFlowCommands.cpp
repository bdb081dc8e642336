// The player's commands of the level flow: New Game, Replay Level, Abort Game, High Scores, the
// Level Editor, and the holds and the pause that keep a game still.
#include "core/LevelFlow.h"

void LevelFlow::mnuNew_Click()
{
    note({GameInput::Kind::NewGame});
    endPause();
    m_window.closeMusic();
    LevelNumber = 1;
    GameOver = false;
    ReplayLevel = false;
    m_field.resetGame();
    m_window.setGameButtonsEnabled(true);
    setTimer(GameTimer::CountDown, false);
    StartLevel(LevelNumber);
}

void LevelFlow::continueGame(const KeptLevel& kept)
{
    note({.kind = GameInput::Kind::Continue, .start = kept});
    endPause();
    m_window.closeMusic();
    LevelNumber = kept.levelNumber;
    GameOver = false;
    ReplayLevel = kept.replay;
    m_field.resetGame();
    m_field.score = kept.score;
    m_field.saved = kept.saved;
    m_field.lost = kept.lost;
    m_window.setGameButtonsEnabled(true);
    setTimer(GameTimer::CountDown, false);
    StartLevel(LevelNumber);
}

void LevelFlow::butReplay_Click()
{
    note({GameInput::Kind::Replay});
    endPause();
    m_window.closeMusic();
    ReplayLevel = true;
    setGameTimers(false);
    StartLevel(LevelNumber);
}

void LevelFlow::butEndGame_Click()
{
    note({GameInput::Kind::Abort});
    if (!abandonGameIf(&GameWindow::confirmAbort))
        return;
    setTimer(GameTimer::CountDown, false);

    // The turtles vanish uncounted: score, totals and the level's count stay as they were.
    Board& board = m_field.board();
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (isTurtle(board(col, row)))
                board(col, row) = Tile::Blank;
    endGame();
}

bool LevelFlow::abandonGameIf(bool (GameWindow::*question)())
{
    // Held while the question is open: a level that ended behind it would end the game twice.
    hold();
    const bool yes = answered((m_window.*question)());
    release();
    if (yes) {
        forget();
        endPause();
        m_window.closeMusic();
        GameOver = true;
        m_window.setGameButtonsEnabled(false);
    }
    return yes;
}

void LevelFlow::endGame()
{
    forget();
    setTimer(GameTimer::Dog, true);
    setTimer(GameTimer::Turtle, true);
    m_window.showGameOver(m_field.score);
    closed();
    m_window.DrawGrid();
    m_window.showTopTen();
    closed();
    m_window.DrawGrid();
}

void LevelFlow::mnuHighScores_Click()
{
    note({GameInput::Kind::HighScores});
    if (held()) {  // paused: the game stays as it stands
        m_window.showTopTen();
        closed();
        return;
    }
    // The countdown pauses too: left running, it would switch the game timers on behind the
    // table, and restoring them afterwards would leave the level frozen for good.
    const bool playing = timerOn(GameTimer::Dog);
    const bool countingDown = timerOn(GameTimer::CountDown);
    setGameTimers(false);
    setTimer(GameTimer::CountDown, false);
    m_window.showTopTen();
    closed();
    setGameTimers(playing);
    setTimer(GameTimer::CountDown, countingDown);
}

void LevelFlow::mnuLevelEditor_Click()
{
    note({GameInput::Kind::LevelEditor});
    if (!GameOver) {
        if (!abandonGameIf(&GameWindow::confirmLevelEditor))
            return;
        ReplayLevel = false;
    }
    forget();  // the editor may change the levels a kept game would go on with
    setGameTimers(false);
    setTimer(GameTimer::CountDown, false);
    m_window.showEditor();
    closed();
    setGameTimers(false);
}

bool LevelFlow::abandonGame()
{
    if (!GameOver && !abandonGameIf(&GameWindow::confirmLevelEditor))
        return false;
    forget();
    return true;
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
    if (GameOver || m_paused)
        return;
    note({GameInput::Kind::Pause});
    m_paused = true;
    hold();
    m_window.showPaused(true);
}

void LevelFlow::resume()
{
    if (m_paused)
        note({GameInput::Kind::Resume});
    endPause();
}

void LevelFlow::endPause()
{
    if (!m_paused)
        return;
    m_paused = false;
    release();
    m_window.showPaused(false);
}
