#pragma once

#include "core/LevelFlow.h"

#include <array>
#include <cstdint>
#include <optional>

// The four timers of the game window on a simulated clock. A timer switched on fires one period
// later and then every period; of two timers due at the same moment the one (re)started first
// fires first, as the window's timers do. A period of 0 or less leaves a timer silent.
class SimClock {
public:
    void set(GameTimer timer, bool on);
    void setPeriod(GameTimer timer, Int16 milliseconds);
    // A running timer stops and keeps what is left of its period; resumed, it waits out that
    // remainder first and then runs at its period again.
    void hold(GameTimer timer);
    void resume(GameTimer timer);

    struct Due {
        GameTimer timer;
        std::int64_t at;
    };
    // The timer that fires next, or nothing when every timer is off.
    std::optional<Due> next() const;
    // Moves the clock to the due time and schedules the timer's next firing.
    void fire(const Due& due);

    std::int64_t now = 0;

private:
    struct Timer {
        bool on = false;
        Int16 period = 0;
        std::int64_t due = 0;
        std::uint64_t order = 0;
        std::int64_t left = -1;  // while held: what was left of the period
    };
    static int index(GameTimer timer) { return static_cast<int>(timer); }
    void schedule(Timer& timer, std::int64_t due);

    std::array<Timer, 4> m_timers{};
    std::uint64_t m_order = 0;
};
