#include "editor/FileCommands.h"

#include "core/PlayField.h"
#include "editor/LevelDialogs.h"
#include "editor/LevelDocument.h"
#include "editor/PublishCommand.h"
#include "files/sets/SetPaths.h"
#include "ui/SetExport.h"
#include "ui/audio/AudioControl.h"
#include "ui/net/WorldClient.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

FileCommands::FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, PlayField& field,
                           AudioControl& audio)
    : QObject(&window), m_window(window), m_programFolder(programFolder), m_document(document), m_field(field),
      m_audio(audio), m_worldClient(new WorldClient(this)), m_publisher(new PublishCommand(window, *m_worldClient))
{
}

void FileCommands::chooseMusic()
{
    // Only the name is kept: the game looks for it in audio/. Choosing plays nothing, and the
    // redraw timer is not stopped first, only started at the end.
    if (const std::optional<QString> name = LevelDialogs::chooseMusic(&m_window, m_programFolder))
        m_document.recordSetting(LevelSetting::Music, m_document.setting(LevelSetting::Music), *name);
    emit finished();
}

void FileCommands::openLevel()
{
    emit dialogOpens();
    if (const std::optional<QString> path = LevelDialogs::chooseLevelToOpen(&m_window, startFolder())) {
        m_audio.stopMusic();
        openLevelFile(*path);
        m_lastFile = *path;
    }
    emit finished();
}

void FileCommands::openLevelFile(const QString& path)
{
    const LevelReading level = m_document.open(path);
    if (level.linesRead >= 2)
        emit bonusRead(m_document.setting(LevelSetting::Bonus));
    m_field.resetLevel();
    if (const std::optional<QString> problem = LevelDialogs::openProblem(path, level))
        LevelDialogs::tellOpenProblem(&m_window, *problem);
}

bool FileCommands::saveLevel()
{
    emit dialogOpens();
    bool saved = false;
    const QString folder = startFolder();
    if (const std::optional<QString> path =
            LevelDialogs::chooseLevelToSave(&m_window, folder, nextFreeLevelName(folder))) {
        saved = m_document.save(*path);
        if (saved)
            m_lastFile = *path;
        else
            LevelDialogs::tellSaveFailed(&m_window, *path);
    }
    emit finished();
    return saved;
}

void FileCommands::useSetFolders(const QString& myLevels, const QString& lastFile)
{
    m_myLevels = myLevels;
    m_lastFile = lastFile;
}

QString FileCommands::startFolder() const
{
    if (QString last = QFileInfo(m_lastFile).absolutePath(); !m_lastFile.isEmpty() && QFileInfo(last).isDir())
        return last;
    if (!m_myLevels.isEmpty() && QDir().mkpath(m_myLevels))
        return m_myLevels;
    return shippedSetFolder(m_programFolder);
}

void FileCommands::playSet()
{
    if (m_lastFile.isEmpty()) {
        QMessageBox::information(&m_window, tr("Play This Set"),
                                 tr("Open or save a level first: the set played is the folder of that file."));
        return;
    }
    if (m_window.close())
        m_playSet = QFileInfo(m_lastFile).absolutePath();
}

void FileCommands::exportSet()
{
    if (m_lastFile.isEmpty()) {
        QMessageBox::information(&m_window, tr("Export Set"),
                                 tr("Open or save a level first: the set exported is the folder of that file."));
        return;
    }
    emit dialogOpens();
    const QString folder = QFileInfo(m_lastFile).absolutePath();
    exportSetFolder(&m_window, folder, levelSetName(folder, m_programFolder, {}));
    emit finished();
}

void FileCommands::publishSet()
{
    if (m_lastFile.isEmpty()) {
        QMessageBox::information(&m_window, tr("Publish Set"),
                                 tr("Open or save a level first: the set published is the folder of that file."));
        return;
    }
    emit dialogOpens();
    const QString folder = QFileInfo(m_lastFile).absolutePath();
    // The name the set is published under, unless it keeps its own: the world table lists it to
    // players of every language, so the English one.
    m_publisher->publish(m_worldAddress, folder, levelSetName(folder, m_programFolder, {}).english());
    emit finished();
}
