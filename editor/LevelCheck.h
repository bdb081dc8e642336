#pragma once

#include "sim/LevelVerdict.h"
#include "sim/Summary.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

// What Check Level found: whether the level can be read as a game reads it, and if so the runs
// of the computer player and of nobody at the board, one a seed; none when too few turtles can
// reach the water, which no player changes.
struct CheckResult {
    int linesRead = 0;  // 24 when the level reads whole; else it stops at line linesRead + 1
    WaterReach reach;
    std::vector<RunOutcome> botRuns;
    std::vector<RunOutcome> idleRuns;
    bool readable() const { return linesRead == 24; }
    bool played() const { return !botRuns.empty(); }
    // The seed of the computer player's first passing run, or of its first run when none passed.
    std::uint64_t watchSeed() const;
    SeedSummary bot() const { return summaryOf(botRuns); }
    SeedSummary idle() const { return summaryOf(idleRuns); }
    // The verdict line, the first that applies; for a level that cannot be read, why not.
    QString verdict() const;
};

Q_DECLARE_METATYPE(CheckResult)

// Plays a level, as the bytes of its file, with the computer player and with nobody at the board
// over seeds 1 to `seeds` each, spread over the machine's cores off the window's thread. Results
// come back on the thread that started the check.
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
