// The main window's level sets, kept game and remembered settings, and the set the editor plays.
#include "files/sets/SetPaths.h"
#include "screens/LanguageDialog.h"
#include "screens/LevelSetDialog.h"
#include "screens/frmPondrake.h"
#include "ui/Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

void frmPondrake::usePlayerFolders(const QString& dataFolder, const QString& configFolder)
{
    m_files.usePlayerFolders(dataFolder, configFolder);
    const PlayerSettings& remembered = m_files.settings;
    if (m_audio.soundEffects() != remembered.soundEffects)
        m_audio.toggleSoundEffects();
    if (m_audio.musicAutoPlay() != remembered.musicAutoPlay)
        m_audio.toggleMusicAutoPlay();
    // A place on no screen (one unplugged since) would hide the window: it stays where it opened.
    if (remembered.windowPos && QGuiApplication::screenAt(*remembered.windowPos + QPoint(40, 40)))
        move(*remembered.windowPos);
    const auto remember = [this] {
        m_files.settings.soundEffects = m_audio.soundEffects();
        m_files.settings.musicAutoPlay = m_audio.musicAutoPlay();
        m_files.saveSettings();
    };
    connect(&m_audio, &AudioControl::soundEffectsChanged, this, remember);
    connect(&m_audio, &AudioControl::musicAutoPlayChanged, this, remember);
    // Exit and closing the window both end here; a game in play is kept already.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        m_files.settings.windowPos = pos();
        m_files.saveSettings();
    });
    m_flow.start();  // the remembered set's level 1
    sendOutbox();    // what the world table did not take in an earlier sitting
}

void frmPondrake::showSet()
{
    setWindowTitle(m_files.shippedSet() ? QStringLiteral("Pondrake")
                                        : QStringLiteral("Pondrake - ") + m_files.setName().translated());
    QString why;
    if (const std::optional<KeptGame> kept = m_files.keptGame())
        why = keptGameProblem(*kept).value_or(Phrase()).translated();
    else
        why = tr("No game was left unfinished.");
    mnuContinue->setEnabled(m_flow.gameOver && why.isEmpty());
    mnuContinue->setToolTip(why.isEmpty() ? tr("Go on with the game left unfinished") : why);
}

void frmPondrake::mnuContinue_Click()
{
    const std::optional<KeptGame> kept = m_files.keptGame();
    if (!m_flow.gameOver || !kept || keptGameProblem(*kept)) {
        showSet();
        return;
    }
    m_files.chooseSet(kept->setFolder);
    m_files.saveSettings();
    m_recorder.setEarlierSittings(m_kept.earlierSittings(*kept));  // so that the game is recorded whole
    m_flow.apply({.kind = GameInput::Kind::Continue, .start = kept->level});
}

int frmPondrake::execOverGame(QDialog& dialog)
{
    m_flow.apply({GameInput::Kind::Window});
    const int result = dialog.exec();
    m_flow.apply({GameInput::Kind::WindowClosed});
    return result;
}

void frmPondrake::mnuLevelSet_Click()
{
    LevelSetDialog dialog(m_files, this);
    execOverGame(dialog);    // the game waits while the player looks through the sets
    m_files.saveSettings();  // folders added with Other Folder... stay on the list
    if (const std::optional<QString> folder = dialog.chosen())
        chooseSet(*folder);
}

void frmPondrake::chooseSet(const QString& folder)
{
    // The set in play chosen again changes nothing: its game, running or kept, goes on. Another
    // set is played once a running game is given up (changeLevelSet).
    if (sameFolder(folder, m_files.setFolder()))
        return;
    m_chosenSet = folder;
    m_flow.apply({GameInput::Kind::LevelSet});
}

void frmPondrake::mnuLanguage_Click()
{
    LanguageDialog dialog(m_files.settings.language, Translations::pick(QString(), QLocale::system().uiLanguages()),
                          this);
    const bool chosen = execOverGame(dialog) == QDialog::Accepted;
    if (chosen) {
        m_files.settings.language = dialog.chosen();
        m_files.saveSettings();
    }
}

void frmPondrake::playSet(const QString& folder)
{
    if (const SetProblem problem = checkLevelSet(folder); problem != SetProblem::None) {
        QMessageBox::warning(this, tr("Play This Set"), levelSetProblemText(folder, problem).translated());
        return;
    }
    m_files.chooseSet(folder);
    m_files.saveSettings();
    mnuNew_Click();
}
