#pragma once

#include "sim/LevelJudge.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>

// Check Level in the editor: the judgement of sim/LevelJudge.h, its runs spread over the machine's
// cores off the window's thread, seeds 1 to `seeds`. Results come back on the thread that started
// the check.
class LevelCheck : public QObject {
    Q_OBJECT

public:
    explicit LevelCheck(int seeds = LevelCheckSeeds, QObject* parent = nullptr);
    // A check still running is cancelled; the runs under way stop where they stand.
    ~LevelCheck() override;

    // Starts checking the level, cancelling a check still running.
    void start(const QByteArray& level);
    // Stops the check at once: neither finished nor progress is signalled for it any more, and
    // cancelled once its runs have stopped (unless a new check started meanwhile).
    void cancel();
    bool running() const { return m_stop != nullptr; }
    int total() const { return 2 * m_seeds; }

signals:
    void progress(int runsDone);
    void finished(const CheckResult& result);
    void cancelled();

private:
    void collect();

    int m_seeds;
    QFutureWatcher<RunOutcome> m_watcher;
    std::shared_ptr<std::atomic<bool>> m_stop;  // the running check's; null when none runs
    CheckResult m_result;
};
