#pragma once

#include <QObject>
#include <QString>

class AudioControl;
class LevelDocument;
class PlayField;
class QWidget;

// The editor's commands on files: Open Level and Save Level, and the music chooser. What went
// wrong with a file is told in a message box.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, PlayField& field,
                 AudioControl& audio);

    void butMusic_Click();
    void mnuOpen_Click();
    // True when the level was written.
    bool mnuSave_Click();
    void OpenLevelFile(const QString& path);

signals:
    // Open Level or Save Level is about to show its dialog, which runs its own event loop in which
    // timers keep firing: the editor's timers stop and a running test ends here.
    void dialogOpens();
    // What lblTime shows after a level file gave its bonus.
    void bonusRead(const QString& seconds);
    // The command has ended: the board is redrawn and Timer1 runs again.
    void finished();

private:
    QWidget& m_window;
    QString m_programFolder;
    LevelDocument& m_document;
    PlayField& m_field;
    AudioControl& m_audio;
};
