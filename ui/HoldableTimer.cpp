#include "ui/HoldableTimer.h"

#include <algorithm>

HoldableTimer::HoldableTimer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_timer.interval() != m_period)
            m_timer.setInterval(m_period);  // the remainder has run out: back to the full period
        emit timeout();
    });
}

void HoldableTimer::start(int periodMs)
{
    m_left = -1;
    m_period = periodMs;
    m_timer.start(periodMs);
}

void HoldableTimer::stop()
{
    m_left = -1;
    m_timer.stop();
}

void HoldableTimer::hold()
{
    if (!m_timer.isActive())
        return;
    m_left = std::max(0, m_timer.remainingTime());
    m_timer.stop();
}

void HoldableTimer::resume()
{
    if (!isHeld())
        return;
    const int left = m_left;
    m_left = -1;
    m_timer.start(left);
}
