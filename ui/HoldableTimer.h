#pragma once

#include <QObject>
#include <QTimer>

// A repeating timer that can be held still: hold() stops it and keeps what was left of the
// current period; resume() lets that remainder run out first and then repeats at the full
// period again, so a held countdown or creature beat goes on exactly where it stood.
class HoldableTimer : public QObject {
    Q_OBJECT

public:
    explicit HoldableTimer(QObject* parent = nullptr);

    void start(int periodMs);  // any hold is forgotten
    void stop();               // likewise
    void hold();               // a timer that is not running keeps nothing to resume
    void resume();

    bool isActive() const { return m_timer.isActive(); }
    bool isHeld() const { return m_left >= 0; }
    int interval() const { return m_period; }
    // Milliseconds to the next timeout: while held, what resume() will wait first.
    int remainingTime() const { return isHeld() ? m_left : m_timer.remainingTime(); }

signals:
    void timeout();

private:
    QTimer m_timer{this};
    int m_period = 0;
    int m_left = -1;  // while held: what was left of the period
};
