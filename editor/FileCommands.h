#pragma once

#include <QObject>
#include <QString>

#include <optional>

class AudioControl;
class LevelDocument;
class PlayField;
class QWidget;
class PublishCommand;
class WorldClient;

// The editor's commands on files: Open Level and Save Level, and the music chooser. What went
// wrong with a file is told in a message box.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, PlayField& field,
                 AudioControl& audio);

    // The music chooser of the settings panel.
    void chooseMusic();
    void openLevel();
    // True when the level was written.
    bool saveLevel();
    void openLevelFile(const QString& path);

    // The dialogs start in the folder of the file opened or saved last, else in My Levels (made
    // then), else in the program's levels/; Save Level proposes the first free levelN.txt there.
    void useSetFolders(const QString& myLevels, const QString& lastFile);
    const QString& lastFile() const { return m_lastFile; }
    QString startFolder() const;

    // Closes the editor to play the set of the folder of the file opened or saved last; leaving
    // asks what closing the editor asks, and a refusal leaves it open.
    void playSet();
    std::optional<QString> playSetChosen() const { return m_playSet; }
    // Writes the set of that folder as one set file (ui/SetExport.h).
    void exportSet();
    // Publishes the set of that folder on the world table at the player's address (PublishCommand.h).
    void publishSet();
    void useWorldTable(const QString& address) { m_worldAddress = address; }
    WorldClient& worldClient() { return *m_worldClient; }

signals:
    // Open Level or Save Level is about to show its dialog, which runs its own event loop in which
    // timers keep firing: the editor's timers stop and a running test ends here.
    void dialogOpens();
    // What the bonus label shows after a level file gave its bonus.
    void bonusRead(const QString& seconds);
    // The command has ended: the board is redrawn and the redraw timer runs again.
    void finished();

private:
    QWidget& m_window;
    QString m_programFolder;
    LevelDocument& m_document;
    PlayField& m_field;
    AudioControl& m_audio;
    QString m_myLevels;
    QString m_lastFile;
    std::optional<QString> m_playSet;
    QString m_worldAddress;
    WorldClient* m_worldClient;
    PublishCommand* m_publisher;
};
