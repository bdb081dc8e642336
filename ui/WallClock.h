#pragma once

#include "core/Clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// The clock of a window: game time driven by the wall, at the clock's speed. One precise Qt timer
// wakes it when the next timer is due and fires that one; it fires one timer a wake, so a timer
// whose handler opens a modal window keeps the clock running inside it, as the player expects.
class WallClock : public QObject, public Clock {
    Q_OBJECT

public:
    explicit WallClock(QObject* parent = nullptr);

    // The wall's milliseconds: by default counted from the clock's making; tests give their own.
    void setWall(std::function<Millis()> wall) { m_wallNow = std::move(wall); }

    // What wakes the clock, and the moment of the wall it is set for; for tests that move the wall
    // by hand. Each wake fires the timer due then and sets the alarm again, or stops it.
    QTimer& alarm() { return m_alarm; }
    Millis wakesAt() const { return m_wakesAt; }

private:
    Millis drivingTime() const override { return wallNow(); }
    void changed() override;
    void wake();
    Millis wallNow() const { return m_wallNow ? m_wallNow() : m_elapsed.elapsed(); }

    QTimer m_alarm{this};
    QElapsedTimer m_elapsed;
    std::function<Millis()> m_wallNow;
    Millis m_wakesAt = 0;
};
