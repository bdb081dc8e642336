#include "editor/ScreenWatch.h"

#include <QScreen>
#include <QWindow>

ScreenWatch::ScreenWatch(QWindow* window) : QObject(window)
{
    connect(window, &QWindow::screenChanged, this, &ScreenWatch::watch);
    watch(window->screen());
}

void ScreenWatch::watch(QScreen* screen)
{
    disconnect(m_geometry);
    disconnect(m_orientation);
    if (!screen)
        return;
    m_geometry = connect(screen, &QScreen::geometryChanged, this,
                         [this](const QRect& geometry) { emit displayChanged(geometry.size()); });
    m_orientation =
        connect(screen, &QScreen::orientationChanged, this, [this, screen] { emit displayChanged(screen->size()); });
    emit displayChanged(screen->size());
}
