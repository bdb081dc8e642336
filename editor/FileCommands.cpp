#include "editor/FileCommands.h"

#include "core/PlayField.h"
#include "editor/LevelDialogs.h"
#include "editor/LevelDocument.h"
#include "ui/AudioControl.h"

#include <QWidget>

FileCommands::FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, PlayField& field,
                           AudioControl& audio)
    : QObject(&window), m_window(window), m_programFolder(programFolder), m_document(document), m_field(field),
      m_audio(audio)
{
}

void FileCommands::butMusic_Click()
{
    // Only the name is kept: the game looks for it in audio/. Choosing plays nothing, and Timer1
    // is not stopped first, only started at the end.
    if (const std::optional<QString> name = LevelDialogs::chooseMusic(&m_window, m_programFolder))
        m_document.recordSetting(LevelSetting::Music, m_document.settings().music, *name);
    emit finished();
}

void FileCommands::mnuOpen_Click()
{
    emit dialogOpens();
    if (const std::optional<QString> path = LevelDialogs::chooseLevelToOpen(&m_window, m_programFolder)) {
        m_audio.mnuMusicStop_Click();
        OpenLevelFile(*path);
    }
    emit finished();
}

void FileCommands::OpenLevelFile(const QString& path)
{
    int linesRead = 0;
    const LevelReadStatus status = m_document.open(path, linesRead);
    if (linesRead >= 2)
        emit bonusRead(m_document.settings().bonus);
    m_field.resetLevel();
    if (const std::optional<QString> problem = LevelDialogs::openProblem(path, status, linesRead))
        LevelDialogs::tellOpenProblem(&m_window, *problem);
}

bool FileCommands::mnuSave_Click()
{
    emit dialogOpens();
    bool saved = false;
    if (const std::optional<QString> path = LevelDialogs::chooseLevelToSave(&m_window, m_programFolder)) {
        saved = m_document.save(*path);
        if (!saved)
            LevelDialogs::tellSaveFailed(&m_window, *path);
    }
    emit finished();
    return saved;
}
