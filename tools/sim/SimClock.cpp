#include "tools/sim/SimClock.h"

void SimClock::set(GameTimer timer, bool on)
{
    Timer& t = m_timers[index(timer)];
    t.on = on && t.period > 0;
    if (t.on)
        schedule(t, now + t.period);
}

void SimClock::setPeriod(GameTimer timer, Int16 milliseconds)
{
    Timer& t = m_timers[index(timer)];
    t.period = milliseconds;
    if (t.on)
        set(timer, true);  // a running timer starts again with its new period
}

std::optional<SimClock::Due> SimClock::next() const
{
    std::optional<Due> first;
    const Timer* firstTimer = nullptr;
    for (int i = 0; i < static_cast<int>(m_timers.size()); ++i) {
        const Timer& t = m_timers[i];
        if (!t.on)
            continue;
        if (!firstTimer || t.due < firstTimer->due || (t.due == firstTimer->due && t.order < firstTimer->order)) {
            firstTimer = &t;
            first = Due{static_cast<GameTimer>(i), t.due};
        }
    }
    return first;
}

void SimClock::fire(const Due& due)
{
    now = due.at;
    Timer& t = m_timers[index(due.timer)];
    schedule(t, due.at + t.period);
}

void SimClock::schedule(Timer& timer, std::int64_t due)
{
    timer.due = due;
    timer.order = m_order++;
}
