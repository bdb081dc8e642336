#pragma once

#include "core/Clock.h"
#include "core/GameInput.h"
#include "core/Int16.h"
#include "core/KeptLevel.h"
#include "core/PlayField.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class CountdownColour { Red, Green };

// The two questions of a game: "Abort current game?", and the Level Editor's "This will abort
// your current game.  Continue?", which choosing another level set asks too.
enum class Question { Abort, LevelEditor };

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

    // Lays level N over the level the game and the editor share (the play field's) and returns
    // its turtles in play. A level that cannot be read whole is played as far as it was read,
    // over what the level before it left: the player sees the board.
    virtual Int16 loadLevel(Int16 levelNumber) = 0;
    // A level file N exists and is not empty.
    virtual bool levelExists(Int16 levelNumber) = 0;

    // Music: prepare the level's piece (nothing plays yet); start it if Auto-Play is on;
    // close it as the program's own stop, which must not start it again.
    virtual void prepareMusic(const std::string& levelMusic) = 0;
    virtual void playMusicIfAutoPlay() = 0;
    virtual void closeMusic() = 0;

    virtual void showLevelNumber(Int16 levelNumber) = 0;

    // Shows the question while the flow holds the game. Its answer comes back as an Answer input
    // through LevelFlow::apply, at once or later; until then the timers stand and the board takes
    // no commands.
    virtual void ask(Question question) = 0;
    // The game was given up, or none ran, for the level set the player chose: the window changes
    // to that set and shows its first level idle.
    virtual void changeLevelSet() = 0;
    // Modal windows: each call returns once its window has closed. Timers keep firing meanwhile.
    virtual void showLevelOver(const LevelReport& report) = 0;
    virtual void showGameOver(std::int32_t yourScore) = 0;
    virtual void showTopTen() = 0;
    virtual void showEditor() = 0;
};

// A game: a run through the numbered levels from level 1, with a countdown before each level, a
// bonus clock, the judgement of each level, replays, and the end of the game.
//
// Everything that can change a game enters through apply(), in order: the firings of its clock's
// timers, the mouse on the board, the player's commands and the answers to its questions. The
// observer sees each as it arrives; then one switch turns it into its rule.
class LevelFlow : private TimerListener {
public:
    LevelFlow(GameWindow& window, PlayField& field, Clock& clock);

    void setObserver(InputObserver* observer) { m_observer = observer; }
    // Told where each level of a game starts, so that a game can be kept across sittings.
    void setKeeper(GameKeeper* keeper) { m_keeper = keeper; }

    // The idle board: level 1 of the set shown still, no game running, every timer off.
    void start();

    // The editor's test of the level as placed: it runs at once, with this bonus and these beats,
    // and has no countdown and no end of level. While it runs only the timers, the mouse on the
    // board and the let-go enter; a game's commands, questions and windows do not.
    void startTest(Int16 bonus, Int16 turtlePeriod, Int16 dogPeriod);
    // Every timer stops and the selection goes with the test's board.
    void endTest();
    bool testing() const { return m_testing; }

    // The one door into the rules. Inputs the game does not take are dropped unseen. Every input
    // but a timer's firing is handled at the moment it arrives (Clock::catchUp): the timers due
    // before it fire first, and when one of them opens a window, the input is dropped, as it was
    // meant for a game that has moved on.
    void apply(const GameInput& input);
    // A pause with no game to pause, a resume with nothing paused, an answer with no question
    // open and a closing with no window open are no inputs of the game. While a question or a
    // window is open, the board and the player's commands are not: only the timers, the pause,
    // the answer and the closing reach the game (and another window of the player's over theirs).
    bool takes(const GameInput& input) const;

    // A question is open, waiting for its answer.
    bool asking() const { return m_asking.has_value(); }
    // A window of the flow's or of the player's is open over the game.
    bool windowOpen() const { return m_ownWindows > 0 || m_playerWindows > 0; }
    // The game is held still: by a question, the pause or a window of the player's (a Window
    // input, until its WindowClosed). Every timer that is on stops where it stands and the board
    // takes no commands; each goes on with what was left of its period when the last hold ends.
    bool held() const { return m_holds > 0; }

    bool paused() const { return m_paused; }
    bool timerOn(GameTimer timer) const { return m_clock.isOn(timer); }

    Int16 levelNumber = 1;
    bool replayingLevel = false;
    bool gameOver = true;

private:
    static constexpr Int16 SecondMs = 1000;

    void timerFired(GameTimer timer) override;  // the clock's firings enter as inputs
    void note(const GameInput& input);

    void startLevel(Int16 levelNumber);
    void checkLevelOver();
    void countDownSecond();
    void bonusSecond();
    void turtleBeat();
    void dogBeat();
    // The mouse on the board, in board pixels, and the let-go of Escape: refused while held.
    void mouseDown(float x, float y);
    void mouseMove(float x, float y);
    void mouseUp();
    void letGo();

    // The player's commands (LevelFlowCommands.cpp).
    void newGame();
    // A game kept from another sitting starts its level's countdown with the score and totals it
    // had when that level started.
    void continueGame(const KeptLevel& kept);
    void replayLevel();
    void showHighScores();
    // The Level Editor: a running game is given up first, after the player agrees, without the
    // score windows. Afterwards the shell stands idle until New Game.
    void levelEditor();
    // Another level set: a running game is given up after the Level Editor's question, and a kept
    // game is discarded; then the window changes the set.
    void levelSet();
    // The player's pause holds the game until the player resumes; New Game, Replay Level and the
    // end of the game end it too.
    void pause();
    void endPause();

    // A question holds the game until its answer arrives; a No lets the game run on as it stood.
    void ask(GameInput::Kind asking, Question question);
    void answer(bool yes);
    // A yes gives the game up: the pause and the music stop and the game buttons go off.
    void giveUpGame();
    void abortGame();         // the turtles vanish, then the score windows
    void openEditor();        // the editor, with every timer off before and after
    void showScoreWindows();  // game over and top ten, creatures moving behind them
    void windowClosed();      // a window the flow or the player opened has closed

    void hold();
    void release();
    // Shows one of the flow's own windows (show calls the window); returns once it has closed,
    // which enters as an input.
    template <class Show>
    void openWindow(Show show)
    {
        ++m_ownWindows;
        ++m_windowsShown;
        show();
        apply({GameInput::Kind::WindowClosed});
    }

    void setTimer(GameTimer timer, bool on);
    void setGameTimers(bool on);  // bonus, turtle and dog
    void keepLevelStart(bool replay);
    void forgetKeptGame();

    GameWindow& m_window;
    PlayField& m_field;
    Clock& m_clock;
    InputObserver* m_observer = nullptr;
    GameKeeper* m_keeper = nullptr;
    int m_countdown = 0;  // the number shown, 0 for "GO!"
    int m_holds = 0;
    int m_ownWindows = 0;     // of the flow's windows, those open
    int m_playerWindows = 0;  // of the player's windows, those holding the game
    std::uint64_t m_windowsShown = 0;
    bool m_paused = false;
    bool m_testing = false;
    std::optional<GameInput::Kind> m_asking;  // the command whose question is open
};
