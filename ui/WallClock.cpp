#include "ui/WallClock.h"

#include <algorithm>

WallClock::WallClock(std::function<Millis()> wall, QObject* parent) : QObject(parent), m_wallNow(std::move(wall))
{
    m_elapsed.start();
    setDriven(wallNow());
    m_alarm.setSingleShot(true);
    m_alarm.setTimerType(Qt::PreciseTimer);
    connect(&m_alarm, &QTimer::timeout, this, &WallClock::wake);
}

void WallClock::catchUp() { setDriven(wallNow()); }

void WallClock::changed()
{
    const std::optional<Due> due = next();
    if (!due) {
        m_alarm.stop();
        return;
    }
    const Millis wait = std::max<Millis>(0, drivenTimeOf(due->at) - wallNow());
    m_alarm.start(static_cast<int>(wait));  // a period is 16-bit: the wait fits
}

void WallClock::wake()
{
    const Millis wall = wallNow();
    if (!fireNextBy(gameTimeAt(wall))) {
        setDriven(wall);
        changed();  // woken early, or by a test: wait for the rest
    }
}
