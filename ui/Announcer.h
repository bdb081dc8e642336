#pragma once

#include <QTimer>
#include <QWidget>

// Says a short message to a screen reader without taking the focus from the board: a notification
// that the desktop's accessibility bridge announces when it shows. It draws nothing and takes no
// input; it hides again after a few seconds, and a new message replaces the one before. Messages
// said in one turn of the event loop are told as one.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& words);
    const QString& said() const { return m_said; }  // the last message, which is its accessible name

private:
    QString m_said;
    QTimer m_show;
    QTimer m_hide;
};
