#include "ui/WallClock.h"

#include <algorithm>

WallClock::WallClock(QObject* parent) : QObject(parent)
{
    m_elapsed.start();
    m_alarm.setTimerType(Qt::PreciseTimer);  // a coarse timer may ring 5% of the wait late
    connect(&m_alarm, &QTimer::timeout, this, &WallClock::wake);
}

void WallClock::changed()
{
    const std::optional<Due> due = next();
    if (!due) {
        m_alarm.stop();
        return;
    }
    const Millis wall = wallNow();
    m_wakesAt = std::max(wall, drivenTimeOf(due->at));
    m_alarm.start(static_cast<int>(m_wakesAt - wall));  // a period is 16-bit: the wait fits
}

void WallClock::wake()
{
    if (!fireNextBy(gameTimeAt(wallNow())))
        changed();  // woken early: wait for the rest
}
