#pragma once

#include <QMetaObject>
#include <QObject>
#include <QSize>

class QScreen;
class QWindow;

// Tells when the display under a window changes its size or orientation, or the window goes to
// another screen: what a display-change message tells a window elsewhere. Sizes are full-width
// numbers, never cut to 16 bits.
class ScreenWatch : public QObject {
    Q_OBJECT

public:
    explicit ScreenWatch(QWindow* window);

signals:
    void displayChanged(QSize size);

private:
    void watch(QScreen* screen);

    QMetaObject::Connection m_geometry;
    QMetaObject::Connection m_orientation;
};
