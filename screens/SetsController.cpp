#include "screens/SetsController.h"

#include "files/sets/SetPaths.h"
#include "screens/LevelSetDialog.h"
#include "screens/MainWindow.h"

#include <QAction>
#include <QMessageBox>

void SetsController::showSet()
{
    PlayerFiles& files = m_window.files();
    m_window.setWindowTitle(files.shippedSet() ? QStringLiteral("Pondrake")
                                               : QStringLiteral("Pondrake - ") + files.setName().translated());
    QString why;
    if (const std::optional<KeptGame> kept = files.keptGame())
        why = keptGameProblem(*kept).value_or(Phrase()).translated();
    else
        why = tr("No game was left unfinished.");
    QAction* continueGame = m_window.actions().continueGame;
    continueGame->setEnabled(m_window.flow().gameOver && why.isEmpty());
    continueGame->setToolTip(why.isEmpty() ? tr("Go on with the game left unfinished") : why);
}

void SetsController::continueKeptGame()
{
    PlayerFiles& files = m_window.files();
    const std::optional<KeptGame> kept = files.keptGame();
    if (!m_window.flow().gameOver || !kept || keptGameProblem(*kept)) {
        showSet();
        return;
    }
    files.chooseSet(kept->setFolder);
    files.saveSettings();
    // So that the game is recorded whole.
    m_window.recorder().setEarlierSittings(m_window.kept().earlierSittings(*kept));
    m_window.flow().apply({.kind = GameInput::Kind::Continue, .start = kept->level});
}

void SetsController::chooseLevelSet()
{
    LevelSetDialog dialog(m_window.files(), &m_window);
    m_window.execOverGame(dialog);    // the game waits while the player looks through the sets
    m_window.files().saveSettings();  // folders added with Other Folder... stay on the list
    if (const std::optional<QString> folder = dialog.chosen())
        choose(*folder);
}

void SetsController::choose(const QString& folder)
{
    // The set in play chosen again changes nothing: its game, running or kept, goes on. Another
    // set is played once a running game is given up (changeToChosen).
    if (sameFolder(folder, m_window.files().setFolder()))
        return;
    m_chosen = folder;
    m_window.flow().apply({GameInput::Kind::LevelSet});
}

void SetsController::changeToChosen()
{
    m_window.files().chooseSet(m_chosen);
    m_window.files().saveSettings();
    m_window.flow().start();
}

void SetsController::play(const QString& folder)
{
    if (const SetProblem problem = checkLevelSet(folder); problem != SetProblem::None) {
        QMessageBox::warning(&m_window, tr("Play This Set"), levelSetProblemText(folder, problem).translated());
        return;
    }
    m_window.files().chooseSet(folder);
    m_window.files().saveSettings();
    m_window.flow().apply({GameInput::Kind::NewGame});
}
