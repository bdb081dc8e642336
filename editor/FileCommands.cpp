#include "editor/FileCommands.h"

#include "editor/LevelDialogs.h"
#include "editor/LevelDocument.h"
#include "editor/TestMode.h"
#include "ui/AudioControl.h"

#include <QTimer>
#include <QWidget>

FileCommands::FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, TestMode& test,
                           AudioControl& audio, QTimer& Timer1)
    : QObject(&window), m_window(window), m_programFolder(programFolder), m_document(document), m_test(test),
      m_audio(audio), m_Timer1(Timer1)
{
}

void FileCommands::butMusic_Click()
{
    // Only the name is kept: the game looks for it in audio/. Choosing plays nothing, and Timer1
    // is not stopped first, only started at the end.
    if (const std::optional<QString> name = LevelDialogs::chooseMusic(&m_window, m_programFolder))
        m_document.recordSetting(LevelSetting::Music, m_document.settings().music, *name);
    finish();
}

void FileCommands::mnuOpen_Click()
{
    stopForDialog();
    if (const std::optional<QString> path = LevelDialogs::chooseLevelToOpen(&m_window, m_programFolder)) {
        m_audio.mnuMusicStop_Click();
        OpenLevelFile(*path);
    }
    finish();
}

void FileCommands::OpenLevelFile(const QString& path)
{
    PlayField& field = m_test.field();
    field.selection.SelectionActive = false;
    int linesRead = 0;
    const LevelReadStatus status = m_document.open(path, linesRead);
    if (linesRead >= 2)
        emit bonusRead(m_document.settings().bonus);
    if (status != LevelReadStatus::Missing) {
        field.TurtlesLostInLevel = 0;
        field.TurtlesSavedInLevel = 0;
    }
    if (const std::optional<QString> problem = LevelDialogs::openProblem(path, status, linesRead))
        LevelDialogs::tellOpenProblem(&m_window, *problem);
}

void FileCommands::mnuSave_Click()
{
    stopForDialog();
    if (const std::optional<QString> path = LevelDialogs::chooseLevelToSave(&m_window, m_programFolder)) {
        if (!m_document.save(*path))
            LevelDialogs::tellSaveFailed(&m_window, *path);
    }
    finish();
}

void FileCommands::stopForDialog()
{
    // The dialogs run their own event loop, in which timers keep firing.
    m_Timer1.stop();
    m_test.StopKeepingBoard();
}

void FileCommands::finish() { emit finished(); }
