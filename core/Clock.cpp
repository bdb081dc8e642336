#include "core/Clock.h"

#include <algorithm>

namespace {
// The period rule: a period of 0 or less is no valid setting and leaves its timer silent. The
// period is a 16-bit number, so it never exceeds what a platform timer takes (65535 ms).
bool silent(Int16 period) { return period <= 0; }
}  // namespace

bool Clock::scheduled(const Timer& timer) const { return timer.on && !timer.held && !silent(timer.period); }

void Clock::schedule(Timer& timer, Millis due)
{
    timer.due = due;
    timer.order = m_order++;
}

void Clock::setTimer(GameTimer which, bool on)
{
    Timer& timer = at(which);
    timer.on = on;
    timer.held = false;
    schedule(timer, m_now + timer.period);
    changed();
}

void Clock::setPeriod(GameTimer which, Int16 milliseconds)
{
    Timer& timer = at(which);
    timer.period = milliseconds;
    if (!timer.held)
        schedule(timer, m_now + milliseconds);
    changed();
}

void Clock::hold(GameTimer which)
{
    Timer& timer = at(which);
    if (!timer.on || timer.held)
        return;
    timer.left = scheduled(timer) ? std::max<Millis>(0, timer.due - m_now) : -1;
    timer.held = true;
    changed();
}

void Clock::resume(GameTimer which)
{
    Timer& timer = at(which);
    if (!timer.held)
        return;
    timer.held = false;
    schedule(timer, m_now + (timer.left >= 0 ? timer.left : timer.period));
    changed();
}

void Clock::setSpeed(int factor)
{
    m_gameAnchor = m_now;
    m_drivenAnchor = m_driven;
    m_speed = std::max(1, factor);
    changed();
}

std::optional<Clock::Due> Clock::next() const
{
    const Timer* first = nullptr;
    for (const Timer& timer : m_timers)
        if (scheduled(timer) &&
            (!first || timer.due < first->due || (timer.due == first->due && timer.order < first->order)))
            first = &timer;
    if (!first)
        return std::nullopt;
    return Due{static_cast<GameTimer>(first - m_timers.data()), first->due};
}

bool Clock::fireNextBy(Millis game)
{
    const std::optional<Due> due = next();
    if (!due || due->at > game)
        return false;
    m_now = std::max(m_now, due->at);
    Timer& timer = at(due->timer);
    schedule(timer, due->at + timer.period);
    changed();  // before the listener, which may open a window that runs the clock on
    if (m_listener)
        m_listener->timerFired(due->timer);
    return true;
}

void Clock::runUntil(Millis driven)
{
    while (fireNextBy(gameTimeAt(driven))) {
    }
    m_driven = driven;
}

Millis Clock::catchUp()
{
    // A firing may open a window whose own events move the driving time on: read it again after each.
    while (fireNextBy(gameTimeAt(drivingTime()))) {
    }
    m_driven = drivingTime();
    m_now = std::max(m_now, gameTimeAt(m_driven));
    return m_now;
}

Millis Clock::gameTimeAt(Millis driven) const { return m_gameAnchor + (driven - m_drivenAnchor) * m_speed; }

Millis Clock::drivenTimeOf(Millis game) const
{
    // Rounded up, so the clock wakes at the moment, never before. A moment already past (ahead
    // below 0) may come out a little late: it is due at once all the same.
    const Millis ahead = game - m_gameAnchor;
    return m_drivenAnchor + (ahead + m_speed - 1) / m_speed;
}
