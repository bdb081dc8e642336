#pragma once

#include "core/GameTimer.h"
#include "core/Int16.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

// Whom the timers of a clock fire for: the level flow, the editor's test.
class TimerListener {
public:
    virtual ~TimerListener() = default;
    virtual void timerFired(GameTimer timer) = 0;
};

// Game time and the timers on it: the rules every clock of the program keeps. The game window and
// the editor's test drive theirs by the wall (ui/WallClock); the simulator and the tests move
// theirs by hand with runUntil.
//
// - A timer switched on fires one period later and then every period until it is switched off.
//   Of two timers due at the same moment, the one (re)started first fires first.
// - A period of 0 or less leaves a timer that is on silent; a valid period set later starts it.
// - A new period starts a running timer again, a whole period from now. A held timer first waits
//   out what it kept and then runs at the new period; a timer that is off takes it when switched on.
// - hold() stops a running timer and keeps what was left of its period; resume() waits that out
//   first. Switching a timer on or off forgets a hold.
// - Game time runs setSpeed(factor) times as fast as the time that drives the clock. Timers are
//   due at moments of game time, so the speed changes neither the order nor the game times of
//   their firings, and changing it keeps what every timer has left.
// - Game time moves only when a timer fires (to the moment it was due) or an input arrives
//   (catchUp), never while one is handled: every change it makes counts from that moment, a
//   change of speed too. A timer is never passed over: those due before an input fire first.
class Clock {
public:
    virtual ~Clock() = default;

    void setListener(TimerListener* listener) { m_listener = listener; }

    void setTimer(GameTimer which, bool on);
    void setPeriod(GameTimer which, Int16 milliseconds);
    void hold(GameTimer which);
    void resume(GameTimer which);
    void setSpeed(int factor);  // 1 or more

    int speed() const { return m_speed; }
    bool isOn(GameTimer timer) const { return at(timer).on; }  // held or not
    bool isHeld(GameTimer timer) const { return at(timer).held; }
    Int16 period(GameTimer timer) const { return at(timer).period; }
    // The game time of the clock's last event: a firing (the moment it was due) or an arrival.
    Millis now() const { return m_now; }
    // The game time at this moment of the driving time, without moving the clock.
    Millis present() const { return std::max(m_now, gameTimeAt(drivingTime())); }
    Millis driven() const { return m_driven; }  // the driving time last seen

    // An input arrives: every timer due by the driving time fires first, in order, then game time
    // moves up to it. Returns the moment the input is stamped with and handled at.
    Millis catchUp();

    struct Due {
        GameTimer timer;
        Millis at;  // game time
    };
    // The timer that fires next, or nothing when no timer will.
    std::optional<Due> next() const;

    // Moves the driving time on to `driven`: every timer due by then fires, in order, each at its
    // own moment of game time.
    void runUntil(Millis driven);
    // Fires the next timer when it is due by this game time; false when none is.
    bool fireNextBy(Millis game);

protected:
    Millis gameTimeAt(Millis driven) const;
    Millis drivenTimeOf(Millis game) const;
    // A clock driven by the wall reads the wall here, and sets its alarm for the next firing after
    // every change. One moved by hand is where runUntil left it.
    virtual Millis drivingTime() const { return m_driven; }
    virtual void changed() {}

private:
    struct Timer {
        bool on = false;
        bool held = false;
        Int16 period = 0;
        Millis due = 0;
        Millis left = -1;         // while held: what it waits first on resume; -1 for a whole period
        std::uint64_t order = 0;  // of (re)starts, for timers due together
    };
    Timer& at(GameTimer timer) { return m_timers[static_cast<int>(timer)]; }
    const Timer& at(GameTimer timer) const { return m_timers[static_cast<int>(timer)]; }
    bool scheduled(const Timer& timer) const;
    void schedule(Timer& timer, Millis due);

    std::array<Timer, AllTimers.size()> m_timers{};
    std::uint64_t m_order = 0;
    TimerListener* m_listener = nullptr;
    Millis m_now = 0;
    Millis m_driven = 0;
    // Game time is m_gameAnchor + (driven - m_drivenAnchor) * m_speed.
    Millis m_gameAnchor = 0;
    Millis m_drivenAnchor = 0;
    int m_speed = 1;
};
