#include "screens/InkDisplay.h"

#include <QPainter>

namespace {

const QColor InkColour(0, 0, 0);

// Pen width in pixels for a pressure of 0 to 1; the mouse's middle pressure gives about 2.5.
double penWidth(const InkPoint& point) { return 1.0 + 3.0 * point.pressureF(); }

}  // namespace

InkDisplay::InkDisplay(QSize surface, QWidget* parent) : QWidget(parent), m_ink(surface) { setFixedSize(surface); }

void InkDisplay::setInk(const InkStrokes& ink)
{
    m_ink = ink;
    update();
}

void InkDisplay::deleteStrokes()
{
    m_ink.deleteStrokes();
    update();
}

void InkDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintStrokes(painter);
}

void InkDisplay::paintStrokes(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const InkStroke& stroke : m_ink.strokes()) {
        // Each segment takes the width of the pressure at its end, so the line swells and thins
        // with the pen; round caps join the segments without gaps.
        for (std::size_t i = 0; i < stroke.size(); ++i) {
            painter.setPen(QPen(InkColour, penWidth(stroke[i]), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (i == 0)
                painter.drawPoint(stroke[0].position());
            else
                painter.drawLine(stroke[i - 1].position(), stroke[i].position());
        }
    }
}
