#pragma once

#include <QPoint>
#include <QSize>

class QWidget;
class SettingsPanel;

// Where the editor's settings panel stands: right of the status column on a screen wider than
// high, below the board otherwise. The window's client fits what it holds either way.
class PanelRule {
public:
    PanelRule(QWidget& window, QWidget& client, SettingsPanel& panel);

    // Where the panel stands on a screen of this size.
    static QPoint panelPlace(QSize screen);
    // Moves the panel for a screen of this size, and the window takes its new size at once.
    void apply(QSize screen);

private:
    QWidget& m_window;
    QWidget& m_client;
    SettingsPanel& m_panel;
};
