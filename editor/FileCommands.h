#pragma once

#include <QObject>
#include <QString>

class AudioControl;
class LevelDocument;
class QTimer;
class QWidget;
class TestMode;

// The editor's commands on files: Open Level and Save Level, with the editor's timers off while
// their dialogs are open and a running test ended first, and the music chooser. What went wrong
// with a file is told in a message box.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QWidget& window, const QString& programFolder, LevelDocument& document, TestMode& test,
                 AudioControl& audio, QTimer& Timer1);

    void butMusic_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void OpenLevelFile(const QString& path);

signals:
    // What lblTime shows after a level file gave its bonus.
    void bonusRead(const QString& seconds);
    // The command has ended: the board is redrawn and Timer1 runs again.
    void finished();

private:
    void stopForDialog();
    void finish();

    QWidget& m_window;
    QString m_programFolder;
    LevelDocument& m_document;
    TestMode& m_test;
    AudioControl& m_audio;
    QTimer& m_Timer1;
};
