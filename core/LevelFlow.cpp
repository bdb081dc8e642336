#include "core/LevelFlow.h"

#include "core/Sound.h"

#include <string>

namespace {
constexpr Int16 CountdownStart = 5;
}  // namespace

LevelFlow::LevelFlow(GameWindow& window, PlayField& field, Clock& clock)
    : m_window(window), m_field(field), m_clock(clock)
{
    clock.setListener(this);
}

void LevelFlow::start()
{
    levelNumber = 1;
    replayingLevel = false;
    gameOver = true;
    setTimer(GameTimer::CountDown, false);
    m_window.setGameButtonsEnabled(false);
    m_window.hideCountdown();
    startLevel(levelNumber);
}

bool LevelFlow::takes(const GameInput& input) const
{
    if (m_testing)
        return input.kind == GameInput::Kind::Timer || input.kind == GameInput::Kind::MouseDown ||
               input.kind == GameInput::Kind::MouseMove || input.kind == GameInput::Kind::MouseUp ||
               input.kind == GameInput::Kind::LetGo;
    switch (input.kind) {
    case GameInput::Kind::Timer:
        return true;
    case GameInput::Kind::Pause:
        return !gameOver && !m_paused;
    case GameInput::Kind::Resume:
        return m_paused;
    case GameInput::Kind::Answer:
        return asking();
    case GameInput::Kind::WindowClosed:
        return windowOpen();
    case GameInput::Kind::Window:
        return !asking() && m_ownWindows == 0;
    default:
        return !asking() && !windowOpen();
    }
}

void LevelFlow::apply(const GameInput& input)
{
    if (input.kind != GameInput::Kind::Timer) {
        const std::uint64_t shown = m_windowsShown;
        m_clock.catchUp();
        if (m_windowsShown != shown)
            return;
    }
    if (!takes(input))
        return;
    note(input);
    switch (input.kind) {
    case GameInput::Kind::Timer:
        switch (input.timer) {
        case GameTimer::CountDown:
            return countDownSecond();
        case GameTimer::Bonus:
            return bonusSecond();
        case GameTimer::Turtle:
            return turtleBeat();
        case GameTimer::Dog:
            return dogBeat();
        }
        return;
    case GameInput::Kind::MouseDown:
        return mouseDown(input.x, input.y);
    case GameInput::Kind::MouseMove:
        return mouseMove(input.x, input.y);
    case GameInput::Kind::MouseUp:
        return mouseUp();
    case GameInput::Kind::LetGo:
        return letGo();
    case GameInput::Kind::NewGame:
        return newGame();
    case GameInput::Kind::Continue:
        return continueGame(input.start);
    case GameInput::Kind::Replay:
        return replayLevel();
    case GameInput::Kind::Abort:
        return ask(input.kind, Question::Abort);
    case GameInput::Kind::HighScores:
        return showHighScores();
    case GameInput::Kind::LevelEditor:
        return levelEditor();
    case GameInput::Kind::LevelSet:
        return levelSet();
    case GameInput::Kind::Pause:
        return pause();
    case GameInput::Kind::Resume:
        return endPause();
    case GameInput::Kind::Answer:
        return answer(input.yes);
    case GameInput::Kind::Window:
        ++m_playerWindows;
        return hold();
    case GameInput::Kind::WindowClosed:
        return windowClosed();
    }
}

void LevelFlow::timerFired(GameTimer timer) { apply({.kind = GameInput::Kind::Timer, .timer = timer}); }

void LevelFlow::note(const GameInput& input)
{
    if (m_observer)
        m_observer->observe(input);
}

void LevelFlow::startLevel(Int16 levelNumber)
{
    Level& level = m_field.level();
    m_field.resetLevel();
    m_field.turtlesInLevel = m_window.loadLevel(levelNumber);
    m_window.showLevelNumber(levelNumber);
    m_window.prepareMusic(level.music);
    // A repeated level gives no time bonus. The 0 goes into the shared level itself, not this
    // game alone: a later level file that stops before its bonus line keeps it, and recorded
    // games play so.
    if (replayingLevel)
        level.bonus = 0;
    m_field.time = level.bonus;

    m_clock.setPeriod(GameTimer::Turtle, level.turtleInterval);
    m_clock.setPeriod(GameTimer::Bonus, SecondMs);
    m_clock.setPeriod(GameTimer::Dog, level.dogInterval);
    setGameTimers(false);
    if (!gameOver) {
        keepLevelStart(replayingLevel);
        m_countdown = CountdownStart;
        m_window.showCountdown(std::to_string(m_countdown), CountdownColour::Red);
        m_clock.setPeriod(GameTimer::CountDown, SecondMs);
        setTimer(GameTimer::CountDown, true);
    }
    m_window.showTotals();
    m_window.drawGrid();
}

void LevelFlow::countDownSecond()
{
    m_window.drawGrid();
    if (m_countdown == 0) {  // one second after "GO!": the level runs
        setTimer(GameTimer::CountDown, false);
        m_window.hideCountdown();
        setGameTimers(true);
        // From here on, closing the window must not give the level's bonus a second try.
        if (!gameOver)
            keepLevelStart(true);
        m_window.playMusicIfAutoPlay();
        return;
    }
    if (--m_countdown > 0) {
        m_window.showCountdown(std::to_string(m_countdown), CountdownColour::Red);
    } else {
        m_window.showCountdown("GO!", CountdownColour::Green);
        m_window.playEffect(Sound::Go);
    }
}

void LevelFlow::bonusSecond() { m_field.bonusBeat(m_window); }

void LevelFlow::turtleBeat()
{
    m_field.creatureBeat(m_window, true);
    if (!gameOver)  // a test, which runs no game, runs on after its last turtle
        checkLevelOver();
}

void LevelFlow::dogBeat() { m_field.creatureBeat(m_window, false); }

void LevelFlow::mouseDown(float x, float y)
{
    if (!held())
        m_field.mouseDown(m_window, x, y);
}

void LevelFlow::mouseMove(float x, float y)
{
    if (!held())
        m_field.mouseMove(m_window, x, y);
}

void LevelFlow::mouseUp()
{
    if (!held())
        m_field.mouseUp(m_window);
}

void LevelFlow::letGo()
{
    if (!held())
        m_field.letGo(m_window);
}

void LevelFlow::keepLevelStart(bool replay)
{
    if (m_keeper)
        m_keeper->keep({levelNumber, m_field.score, m_field.saved, m_field.lost, replay});
}

void LevelFlow::forgetKeptGame()
{
    if (m_keeper)
        m_keeper->forget();
}

void LevelFlow::checkLevelOver()
{
    // Two turtles leaving in the tick that takes the count from 1 make it negative: that ends the
    // level too, or it would never end.
    if (m_field.turtlesInLevel > 0)
        return;
    setGameTimers(false);
    m_window.closeMusic();

    const bool passed = m_field.turtlesLostInLevel <= m_field.turtlesSavedInLevel;
    m_window.playEffect(passed ? Sound::Cheer : Sound::Boo);
    replayingLevel = !passed;
    const LevelReport report{levelNumber, m_field.turtlesSavedInLevel, m_field.turtlesLostInLevel, replayingLevel};
    openWindow([&] { m_window.showLevelOver(report); });

    if (!passed) {
        startLevel(levelNumber);
        return;
    }
    levelNumber = add16(levelNumber, 1);
    if (m_window.levelExists(levelNumber)) {
        startLevel(levelNumber);
        return;
    }
    // No next level: the game is won.
    endPause();
    gameOver = true;
    m_window.setGameButtonsEnabled(false);
    m_window.closeMusic();
    showScoreWindows();
}

void LevelFlow::windowClosed()
{
    // The flow goes on where its own window returned: that closing is there to be seen.
    if (m_ownWindows > 0) {
        --m_ownWindows;
        return;
    }
    --m_playerWindows;
    release();
}

void LevelFlow::setTimer(GameTimer timer, bool on)
{
    m_clock.setTimer(timer, on);
    if (on && held())
        m_clock.hold(timer);  // switched on while held: it waits, a whole period ahead
}

void LevelFlow::setGameTimers(bool on)
{
    setTimer(GameTimer::Bonus, on);
    setTimer(GameTimer::Turtle, on);
    setTimer(GameTimer::Dog, on);
}
