#include "core/LevelFlow.h"

#include "core/Sound.h"

#include <string>

namespace {
constexpr Int16 CountdownStart = 5;
constexpr Int16 SecondMs = 1000;
}  // namespace

LevelFlow::LevelFlow(GameWindow& window, PlayField& field, Clock& clock)
    : m_window(window), m_field(field), m_clock(clock)
{
    clock.setListener(this);
}

void LevelFlow::Start()
{
    LevelNumber = 1;
    ReplayLevel = false;
    GameOver = true;
    setTimer(GameTimer::CountDown, false);
    m_window.setGameButtonsEnabled(false);
    m_window.hideCountdown();
    StartLevel(LevelNumber);
}

void LevelFlow::StartLevel(Int16 levelNumber)
{
    modGlobals& globals = m_field.globals();
    m_field.resetLevel();
    m_window.loadLevel(levelNumber);
    m_window.showLevelNumber(levelNumber);
    m_window.prepareMusic(globals.LevelMusic);
    if (ReplayLevel)
        globals.LevelBonus = 0;  // a repeated level gives no time bonus
    m_field.time = globals.LevelBonus;

    m_clock.setPeriod(GameTimer::Turtle, globals.LevelTurtleInterval);
    m_clock.setPeriod(GameTimer::Bonus, SecondMs);
    m_clock.setPeriod(GameTimer::Dog, globals.LevelDogInterval);
    setGameTimers(false);
    if (!GameOver) {
        keep(ReplayLevel);
        m_countdown = CountdownStart;
        m_window.showCountdown(std::to_string(m_countdown), CountdownColour::Red);
        m_clock.setPeriod(GameTimer::CountDown, SecondMs);
        setTimer(GameTimer::CountDown, true);
    }
    m_window.showTotals();
    m_window.DrawGrid();
}

void LevelFlow::note(const GameInput& input)
{
    if (m_observer)
        m_observer->observe(input);
}

void LevelFlow::closed() { note({GameInput::Kind::WindowClosed}); }

bool LevelFlow::answered(bool yes)
{
    note({GameInput::Kind::Answer, {}, 0, 0, yes});
    return yes;
}

void LevelFlow::timerFired(GameTimer timer)
{
    note({GameInput::Kind::Timer, timer});
    switch (timer) {
    case GameTimer::CountDown:
        timerCountDown_Timer();
        break;
    case GameTimer::Bonus:
        TimerBonus_Timer();
        break;
    case GameTimer::Turtle:
        TimerTurtle_Timer();
        break;
    case GameTimer::Dog:
        TimerDog_Timer();
        break;
    }
}

void LevelFlow::timerCountDown_Timer()
{
    m_window.DrawGrid();
    if (m_countdown == 0) {  // one second after "GO!": the level runs
        setTimer(GameTimer::CountDown, false);
        m_window.hideCountdown();
        setGameTimers(true);
        // From here on, closing the window must not give the level's bonus a second try.
        if (!GameOver)
            keep(true);
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

void LevelFlow::TimerBonus_Timer() { m_field.bonusBeat(m_window); }

void LevelFlow::TimerTurtle_Timer()
{
    m_field.creatureBeat(m_window, true);
    if (!GameOver)
        CheckLevelOver();
}

void LevelFlow::TimerDog_Timer() { m_field.creatureBeat(m_window, false); }

void LevelFlow::pictMain_MouseDown(float x, float y)
{
    note({GameInput::Kind::MouseDown, {}, x, y});
    if (!held())
        m_field.mouseDown(m_window, x, y);
}

void LevelFlow::pictMain_MouseMove(float x, float y)
{
    note({GameInput::Kind::MouseMove, {}, x, y});
    if (!held())
        m_field.mouseMove(m_window, x, y);
}

void LevelFlow::pictMain_MouseUp(float x, float y)
{
    note({GameInput::Kind::MouseUp, {}, x, y});
    if (!held())
        m_field.mouseUp(m_window);
}

void LevelFlow::keep(bool replay)
{
    if (m_keeper)
        m_keeper->keep({LevelNumber, m_field.score, m_field.saved, m_field.lost, replay});
}

void LevelFlow::forget()
{
    if (m_keeper)
        m_keeper->forget();
}

void LevelFlow::letGo()
{
    note({GameInput::Kind::LetGo});
    if (!held())
        m_field.letGo(m_window);
}

void LevelFlow::CheckLevelOver()
{
    // Two turtles leaving in the tick that takes the count from 1 make it negative: that ends the
    // level too, or it would never end.
    if (m_field.globals().TurtlesInLevel > 0)
        return;
    setGameTimers(false);
    m_window.closeMusic();

    const bool passed = m_field.TurtlesLostInLevel <= m_field.TurtlesSavedInLevel;
    m_window.playEffect(passed ? Sound::Cheer : Sound::Boo);
    ReplayLevel = !passed;
    m_window.showLevelOver({LevelNumber, m_field.TurtlesSavedInLevel, m_field.TurtlesLostInLevel, ReplayLevel});
    closed();

    if (!passed) {
        StartLevel(LevelNumber);
        return;
    }
    LevelNumber = add16(LevelNumber, 1);
    if (m_window.levelExists(LevelNumber)) {
        StartLevel(LevelNumber);
        return;
    }
    // No next level: the game is won.
    endPause();
    GameOver = true;
    m_window.setGameButtonsEnabled(false);
    m_window.closeMusic();
    endGame();
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
