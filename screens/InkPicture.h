#pragma once

#include "screens/InkDisplay.h"

// The handwriting surface: records strokes from a tablet pen (with its pressure) or from the
// mouse while ink is enabled, and draws them as they come.
class InkPicture : public InkDisplay {
    Q_OBJECT
public:
    InkPicture(QSize surface, QWidget* parent = nullptr);

    // Switching ink off ends a stroke in progress and ignores pen and mouse until it is on again.
    void setInkEnabled(bool enabled);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;

private:
    void penDown(QPointF position, double pressure);
    void penMove(QPointF position, double pressure);

    bool m_inkEnabled = true;
    bool m_writing = false;
};
