#pragma once

#include "core/MouseCommands.h"

#include <qnamespace.h>

#include <functional>

#include <optional>

class KeyboardPlay;
class MainWindow;

// The main window's keys, pause and pace: the board takes the keys and plays with them, the
// player's own pause, the pause when another program takes the focus, and Fast Forward.
class GameKeys {
public:
    // redraw draws the board again, the cursor where it now stands.
    GameKeys(MainWindow& window, const std::function<void()>& redraw);

    std::optional<CellIndex> cursorCell() const;
    void togglePause();
    void pauseWhenInactive(Qt::ApplicationState state);
    // Game time at twice the wall's pace, during a game only.
    void toggleFastForward();
    void setFastForward(bool on);

private:
    MainWindow& m_window;
    KeyboardPlay* m_keyboard;
};
