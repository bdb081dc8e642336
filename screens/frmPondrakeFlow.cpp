// What the level flow asks of the main window: the countdown, the buttons, the level's files and
// music, drawing, the questions and the modal windows; the recorder hears of levels and their ends.
#include "editor/FileCommands.h"
#include "editor/frmEditor.h"
#include "files/LevelFile.h"
#include "files/RecordingShelf.h"
#include "screens/GameOverDialog.h"
#include "screens/LevelOverWindow.h"
#include "screens/TopTenWindow.h"
#include "screens/frmPondrake.h"
#include "sim/LoadLevel.h"
#include "ui/BoardPicture.h"
#include "ui/KeyboardPlay.h"
#include "ui/Look.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <utility>

void frmPondrake::setUpRecorder()
{
    m_flow.setObserver(&m_recorder);
    m_recorder.setFinished([this](const GameRecording& recording) {
        m_lastRecording = recordingBytes(recording);
        m_lastGame = recording;
        keepRecording(m_files.scoresPath(), m_lastRecording, std::nullopt);
    });
}

void frmPondrake::showCountdown(std::string_view caption, CountdownColour colour)
{
    lblCountdown->setText(Look::countdownText(caption));
    QPalette palette = lblCountdown->palette();
    palette.setColor(QPalette::WindowText, colour == CountdownColour::Red ? QColor(255, 0, 0) : QColor(0, 192, 0));
    lblCountdown->setPalette(palette);
    lblCountdown->show();
}

void frmPondrake::hideCountdown()
{
    lblCountdown->hide();
    showCountdown("3", CountdownColour::Red);
    lblCountdown->hide();
}

void frmPondrake::setGameButtonsEnabled(bool enabled)
{
    if (enabled)
        pictMain->setFocus();  // a game that starts takes the keys
    butEndGame->setEnabled(enabled);
    butReplay->setEnabled(enabled);
    mnuPause->setEnabled(enabled);
    showSet();
    mnuAbort->setEnabled(enabled);
    mnuReplay->setEnabled(enabled);
    mnuFastForward->setEnabled(enabled);
    if (!enabled)
        setFastForward(false);
}

void frmPondrake::showPaused(bool paused)
{
    mnuPause->setChecked(paused);
    drawGrid();
}

void frmPondrake::loadLevel(Int16 levelNumber)
{
    m_recorder.setFolder(m_files.setFolder());
    m_recorder.levelLoaded(levelNumber, m_files.levelPath(levelNumber));
    ::loadLevel(m_files.levelPath(levelNumber), m_globals, m_random);
}

bool frmPondrake::levelExists(Int16 levelNumber) { return fileExists(m_files.levelPath(levelNumber)); }

void frmPondrake::prepareMusic(const std::string& levelMusic)
{
    m_audio.prepareMusic(QString::fromStdString(levelMusic));
}

void frmPondrake::playMusicIfAutoPlay()
{
    if (m_audio.musicAutoPlay())
        m_audio.playMusic();
}

void frmPondrake::closeMusic() { m_audio.closeMusic(); }

void frmPondrake::playEffect(std::string_view alias) { m_audio.playEffect(alias); }

void frmPondrake::drawGrid()
{
    pictMain->DrawGrid(m_globals.board, m_field.selection, m_field.drag(), m_keys->cursorCell());
    if (m_flow.paused())
        pictMain->DrawPaused();
}

void frmPondrake::showTotals()
{
    lblScore->setText(QString::number(m_field.score));
    lblTime->setText(QString::number(m_field.time));
    lblSaved->setText(QString::number(m_field.saved));
    lblLost->setText(QString::number(m_field.lost));
}

void frmPondrake::showBonus() { lblTime->setText(QString::number(m_field.time)); }

void frmPondrake::showLevelNumber(Int16 levelNumber) { lblLevel->setText(QString::number(levelNumber)); }

void frmPondrake::ask(Question question)
{
    const bool yes =
        question == Question::Abort
            ? QMessageBox::question(this, tr("Abort Pondrake"), tr("Abort current game?"),
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
            : QMessageBox::question(this, tr("Level Editor"), tr("This will abort your current game.  Continue?"),
                                    QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    m_flow.apply({.kind = GameInput::Kind::Answer, .yes = yes});
}

void frmPondrake::showLevelOver(const LevelReport& report)
{
    m_recorder.levelOver(report);
    LevelOverWindow window(this);
    window.fill(report);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
    window.exec();
}

void frmPondrake::showGameOver(std::int32_t yourScore)
{
    GameOverDialog window(m_files.scoresPath(), this);
    window.yourScore = yourScore;
    m_lastRecording.clear();
    m_lastGame.reset();
    m_recorder.finish();
    window.exec();
    m_newEntry = window.newEntryPlace();
    if (m_newEntry && !m_lastRecording.isEmpty())
        keepRecording(m_files.scoresPath(), m_lastRecording, m_newEntry);
    m_worldItem.clear();
    m_worldLine.clear();
    if (m_newEntry)
        offerToWorld(*m_newEntry);
}

void frmPondrake::showTopTen()
{
    TopTenWindow window(m_files.scoresPath(), this);
    if (!m_files.shippedSet())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + m_files.setName().translated());
    window.newEntry = std::exchange(m_newEntry, std::nullopt);  // only the showing right after it
    window.setRecordings(m_programFolder, &m_audio);
    window.move(pos() + QPoint(Look::twips(100), Look::twips(100)));
    if (window.newEntry && !m_worldLine.isEmpty()) {
        window.showWorldLine(m_worldLine);  // kept up to date while it is open
        m_topTenShown = &window;
    }
    window.exec();
}

void frmPondrake::showEditor()
{
    m_recorder.finish();  // the game, if one ran, was given up for the editor
    frmEditor editor(m_globals, m_random, m_sound, m_programFolder, this);
    editor.files().useSetFolders(m_files.myLevels(), m_files.settings.editorFile);
    editor.exec();
    m_files.settings.editorFile = editor.files().lastFile();
    m_files.saveSettings();
    // Play This Set starts its game once the flow is done with the editor.
    if (const std::optional<QString> folder = editor.files().playSetChosen())
        QMetaObject::invokeMethod(
            this, [this, set = *folder] { playSet(set); }, Qt::QueuedConnection);
}

void frmPondrake::changeLevelSet()
{
    m_recorder.finish();  // the game, if one ran, was given up here
    m_files.chooseSet(m_chosenSet);
    m_files.saveSettings();
    m_flow.start();
}
