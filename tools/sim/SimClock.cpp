#include "tools/sim/SimClock.h"

void SimClock::set(GameTimer timer, bool on)
{
    Timer& t = m_timers[index(timer)];
    t.left = -1;
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

void SimClock::hold(GameTimer timer)
{
    Timer& t = m_timers[index(timer)];
    if (!t.on)
        return;
    t.left = t.due - now;
    t.on = false;
}

void SimClock::resume(GameTimer timer)
{
    Timer& t = m_timers[index(timer)];
    if (t.left < 0)
        return;
    t.on = true;
    schedule(t, now + t.left);
    t.left = -1;
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
