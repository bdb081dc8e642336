#pragma once

#include "core/Clock.h"
#include "core/GameInput.h"
#include "core/Int16.h"
#include "core/KeptLevel.h"
#include "core/PlayField.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class CountdownColour { Red, Green };

// What a level-over window shows.
struct LevelReport {
    Int16 levelNumber;
    Int16 saved;
    Int16 lost;
    bool replay;  // failed: the same level is played again
};

// What the level flow asks of the game window. The flow decides; the window shows and plays. The
// bonus label shows the seconds left (showBonus) and, with the totals, the level's full bonus.
class GameWindow : public FieldView {
public:
    virtual void showCountdown(std::string_view caption, CountdownColour colour) = 0;
    virtual void hideCountdown() = 0;
    // The game buttons and the Pause command: enabled while a game runs.
    virtual void setGameButtonsEnabled(bool enabled) = 0;
    // The board shows "Paused" over a dimmed picture, or the game again.
    virtual void showPaused(bool paused) = 0;

    // Fills the shared board and level settings from level N. A level that cannot be read whole is
    // played as far as it was read, over what the level before it left: the player sees the board.
    virtual void loadLevel(Int16 levelNumber) = 0;
    // A level file N exists and is not empty.
    virtual bool levelExists(Int16 levelNumber) = 0;

    // Music: prepare the level's piece (nothing plays yet); start it if Auto-Play is on;
    // close it as the program's own stop, which must not start it again.
    virtual void prepareMusic(const std::string& levelMusic) = 0;
    virtual void playMusicIfAutoPlay() = 0;
    virtual void closeMusic() = 0;

    virtual void showLevelNumber(Int16 levelNumber) = 0;

    virtual bool confirmAbort() = 0;
    // "This will abort your current game.  Continue?": true for OK.
    virtual bool confirmLevelEditor() = 0;
    // Modal windows: each call returns once its window has closed. Timers keep firing meanwhile.
    virtual void showLevelOver(const LevelReport& report) = 0;
    virtual void showGameOver(std::int32_t yourScore) = 0;
    virtual void showTopTen() = 0;
    virtual void showEditor() = 0;
};

// A game: a run through the numbered levels from level 1, with a countdown before each level, a
// bonus clock, the judgement of each level, replays, and the end of the game.
//
// Everything that can change a game enters here, in order: the firings of its clock's timers, the
// mouse on the board and the player's commands. An observer sees each as it arrives.
class LevelFlow : public TimerListener {
public:
    LevelFlow(GameWindow& window, PlayField& field, Clock& clock);

    void setObserver(InputObserver* observer) { m_observer = observer; }
    // Told where each level of a game starts, so that a game can be kept across sittings.
    void setKeeper(GameKeeper* keeper) { m_keeper = keeper; }

    // The idle board at start-up: level 1 shown still, no game running.
    void Start();

    void StartLevel(Int16 levelNumber);
    void CheckLevelOver();

    // timerCountDown_Timer, TimerBonus_Timer, TimerTurtle_Timer or TimerDog_Timer.
    void timerFired(GameTimer timer) override;

    // The mouse on the board, in board pixels. While the game is held the board takes no commands.
    void pictMain_MouseDown(float x, float y);
    void pictMain_MouseMove(float x, float y);
    void pictMain_MouseUp(float x, float y);
    // Escape: the selected creature is let go without a command.
    void letGo();

    void mnuNew_Click();
    // Continue Game: a game kept from another sitting starts its level's countdown with the score
    // and totals it had when that level started.
    void continueGame(const KeptLevel& kept);
    void butReplay_Click();
    void butEndGame_Click();
    void mnuHighScores_Click();
    // Opens the level editor: a running game is abandoned first, after the player agrees, without
    // the score windows. Afterwards the shell stands idle until New Game.
    void mnuLevelEditor_Click();
    // Before another level set is played: a running game is abandoned after the Level Editor's
    // question, and a kept game is discarded. False when the player keeps the game; on true the
    // window calls Start() for the new set's level 1, which stops every timer.
    bool abandonGame();

    // Holds the game still while a question is open: every timer that is on stops where it
    // stands and the board takes no commands. release() lets each go on with what was left of
    // its period. Holds nest; the game runs again when the last one is released.
    void hold();
    void release();
    bool held() const { return m_holds > 0; }

    // The player's pause: the game is held until the player resumes. Only while a game runs;
    // New Game, Replay Level and the end of the game end it.
    void pause();
    void resume();
    bool paused() const { return m_paused; }

    bool timerOn(GameTimer timer) const { return m_clock.isOn(timer); }

    Int16 LevelNumber = 1;
    bool ReplayLevel = false;
    bool GameOver = true;

private:
    void timerCountDown_Timer();
    void TimerBonus_Timer();
    void TimerTurtle_Timer();
    void TimerDog_Timer();
    void endPause();  // New Game, Replay Level and the end of a game end a pause
    void note(const GameInput& input);
    // A window opened by the flow has closed, or its question has its answer.
    void closed();
    bool answered(bool yes);
    void setTimer(GameTimer timer, bool on);
    void setGameTimers(bool on);  // bonus, turtle and dog
    // Asks the question with the game held; a No lets the game run on as it stood, a yes ends
    // it: the pause and the music stop and the game buttons go off.
    bool abandonGameIf(bool (GameWindow::*question)());
    void endGame();  // the game-over and top-ten windows, creatures moving behind them
    void keep(bool replay);
    void forget();

    GameWindow& m_window;
    PlayField& m_field;
    Clock& m_clock;
    InputObserver* m_observer = nullptr;
    GameKeeper* m_keeper = nullptr;
    int m_countdown = 0;  // the number shown, 0 for "GO!"
    int m_holds = 0;
    bool m_paused = false;
};
