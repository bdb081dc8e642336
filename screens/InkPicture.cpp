#include "screens/InkPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>

namespace {

// A mouse has no pressure: it writes as a pen pressed half way.
constexpr double MousePressure = 0.5;

}  // namespace

InkPicture::InkPicture(QSize surface, QWidget* parent) : InkDisplay(surface, parent) { setCursor(Qt::CrossCursor); }

void InkPicture::setInkEnabled(bool enabled)
{
    m_inkEnabled = enabled;
    m_writing = false;
    setCursor(enabled ? Qt::CrossCursor : Qt::ArrowCursor);
}

void InkPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    paintStrokes(painter);
}

void InkPicture::penDown(QPointF position, double pressure)
{
    if (!m_inkEnabled)
        return;
    m_writing = m_ink.beginStroke(position, pressure);
    update();
}

void InkPicture::penMove(QPointF position, double pressure)
{
    if (!m_writing)
        return;
    m_writing = m_ink.extendStroke(position, pressure);
    update();
}

void InkPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        penDown(event->position(), MousePressure);
}

void InkPicture::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        penMove(event->position(), MousePressure);
}

void InkPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_writing = false;
}

void InkPicture::tabletEvent(QTabletEvent* event)
{
    // Accepted, so Qt does not also turn the pen into mouse events.
    event->accept();
    switch (event->type()) {
    case QEvent::TabletPress:
        penDown(event->position(), event->pressure());
        break;
    case QEvent::TabletMove:
        penMove(event->position(), event->pressure());
        break;
    case QEvent::TabletRelease:
        m_writing = false;
        break;
    default:
        break;
    }
}
