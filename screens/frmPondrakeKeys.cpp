// The game window's keyboard play, pause and Fast Forward: the board's keys, the menu items that
// stand for the two game buttons, the player's pause, and the clock's pace.
#include "screens/frmPondrake.h"

#include "ui/AccessibleNames.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"
#include "ui/Look.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr int FastForwardSpeed = 2;
}  // namespace

void frmPondrake::setUpKeys(QWidget* client)
{
    // The board takes the keys; the buttons never take the focus from it, so Space and Enter
    // always reach the board, and a click on a button leaves the keys where they were.
    pictMain->setFocusPolicy(Qt::StrongFocus);
    pictMain->setKeyboardPlay(true);
    butEndGame->setFocusPolicy(Qt::NoFocus);
    butReplay->setFocusPolicy(Qt::NoFocus);
    m_keys = new KeyboardPlay(
        *pictMain, m_field, [this](const GameInput& input) { m_flow.apply(input); }, [this] { drawGrid(); }, this);

    lblSpeed = Look::label(client, QStringLiteral("2x"), {10320, 7320, 1700, 375}, 12, Look::DarkBlue);
    lblSpeed->setAlignment(Qt::AlignCenter);
    lblSpeed->hide();
    AccessibleNames::name(lblSpeed, tr("Fast Forward"), tr("The game runs at twice its speed"));
}

void frmPondrake::addPlayItems(QMenu* menu)
{
    mnuFastForward = menu->addAction(tr("Fast Forward"), this, &frmPondrake::mnuFastForward_Click);
    mnuFastForward->setShortcut(Qt::Key_F);
    mnuFastForward->setCheckable(true);
    mnuAbort = menu->addAction(tr("&Abort Game"), this, &frmPondrake::butEndGame_Click);
    mnuAbort->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuReplay = menu->addAction(tr("&Replay Level"), this, &frmPondrake::butReplay_Click);
    mnuReplay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
}

void frmPondrake::mnuPause_Click()
{
    m_flow.apply({m_flow.paused() ? GameInput::Kind::Resume : GameInput::Kind::Pause});
    mnuPause->setChecked(m_flow.paused());
}

void frmPondrake::applicationStateChanged(Qt::ApplicationState state)
{
    // Only another program taking the focus counts: our own windows keep the application active.
    if (state != Qt::ApplicationActive)
        m_flow.apply({GameInput::Kind::Pause});
}

void frmPondrake::mnuFastForward_Click()
{
    m_clock.catchUp();  // the pace changes from this moment, after the timers due by now
    setFastForward(mnuFastForward->isChecked());
}

void frmPondrake::setFastForward(bool on)
{
    // The clock keeps every timer's game time: only the pace changes, never the game.
    m_clock.setSpeed(on ? FastForwardSpeed : 1);
    mnuFastForward->setChecked(on);
    lblSpeed->setVisible(on);
}
