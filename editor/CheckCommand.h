#pragma once

#include "editor/CheckLevelWindow.h"
#include "editor/LevelCheck.h"

#include <QObject>
#include <QPointer>

class AudioControl;
class QProgressDialog;
class QWidget;

// The editor's Check Level: the level, as the bytes of its file, checked off the window's thread
// with a progress dialog whose Cancel stops it, then the verdict in a "Check Level" window. The
// editor stays in the designer's hands meanwhile.
class CheckCommand : public QObject {
    Q_OBJECT

public:
    // The program folder gives the replay window its tiles; audio plays its effects.
    CheckCommand(QWidget& window, const QString& programFolder, AudioControl* audio, int seeds = LevelCheckSeeds);

    void run(const QByteArray& level);
    // A check under way stops, its progress dialog goes; the editor is left as it was.
    void cancel();
    bool running() const { return m_check.running(); }
    // The window of the last verdict while it is open.
    CheckLevelWindow* resultWindow() const { return m_result; }
    // Plays the checked level from New Game with the computer player from this seed, recorded,
    // and opens the replay window on that game.
    void watch(std::uint64_t seed);

signals:
    void shown(CheckLevelWindow* window);
    void watching(QWidget* recordingWindow);
    // A check cancelled has stopped: no verdict comes for it.
    void cancelled();

private:
    void show(const CheckResult& result);

    QWidget& m_window;
    QString m_programFolder;
    AudioControl* m_audio;
    LevelCheck m_check;
    QByteArray m_level;  // the level checked last
    QProgressDialog* m_progress;
    QPointer<CheckLevelWindow> m_result;
};
