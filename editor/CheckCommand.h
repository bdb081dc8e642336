#pragma once

#include "editor/CheckLevelWindow.h"
#include "editor/LevelCheck.h"

#include <QObject>
#include <QPointer>

class QProgressDialog;
class QWidget;

// The editor's Check Level: the level, as the bytes of its file, checked off the window's thread
// with a progress dialog whose Cancel stops it, then the verdict in a "Check Level" window. The
// editor stays in the designer's hands meanwhile.
class CheckCommand : public QObject {
    Q_OBJECT

public:
    explicit CheckCommand(QWidget& window, int seeds = LevelCheckSeeds);

    void run(const QByteArray& level);
    // A check under way stops, its progress dialog goes; the editor is left as it was.
    void cancel();
    bool running() const { return m_check.running(); }
    // The window of the last verdict while it is open.
    CheckLevelWindow* resultWindow() const { return m_result; }

signals:
    void shown(CheckLevelWindow* window);

private:
    void show(const CheckResult& result);

    QWidget& m_window;
    LevelCheck m_check;
    QProgressDialog* m_progress;
    QPointer<CheckLevelWindow> m_result;
};
