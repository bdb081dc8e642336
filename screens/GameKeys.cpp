#include "screens/GameKeys.h"

#include "screens/MainWindow.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int FastForwardSpeed = 2;
}  // namespace

GameKeys::GameKeys(MainWindow& window, const std::function<void()>& redraw) : m_window(window)
{
    // The board takes the keys; the buttons never take the focus from it, so Space and Enter
    // always reach the board, and a click on a button leaves the keys where they were.
    BoardPicture* board = window.board();
    board->setFocusPolicy(Qt::StrongFocus);
    board->setKeyboardPlay(true);
    window.status().abortButton->setFocusPolicy(Qt::NoFocus);
    window.status().replayButton->setFocusPolicy(Qt::NoFocus);
    m_keyboard = new KeyboardPlay(
        *board, window.field(), [&window](const GameInput& input) { window.flow().apply(input); }, redraw, &window);
}

std::optional<CellIndex> GameKeys::cursorCell() const { return m_keyboard->cursorCell(); }

void GameKeys::togglePause()
{
    LevelFlow& flow = m_window.flow();
    flow.apply({flow.paused() ? GameInput::Kind::Resume : GameInput::Kind::Pause});
    m_window.actions().pause->setChecked(flow.paused());
}

void GameKeys::pauseWhenInactive(Qt::ApplicationState state)
{
    // Only another program taking the focus counts: our own windows keep the application active.
    if (state != Qt::ApplicationActive)
        m_window.flow().apply({GameInput::Kind::Pause});
}

void GameKeys::toggleFastForward()
{
    m_window.clock().catchUp();  // the pace changes from this moment, after the timers due by now
    setFastForward(m_window.actions().fastForward->isChecked());
}

void GameKeys::setFastForward(bool on)
{
    // The clock keeps every timer's game time: only the pace changes, never the game.
    m_window.clock().setSpeed(on ? FastForwardSpeed : 1);
    m_window.actions().fastForward->setChecked(on);
    m_window.status().speedLabel->setVisible(on);
}
