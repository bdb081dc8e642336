#include "editor/LevelCheck.h"

#include <QtConcurrent/QtConcurrentMap>

namespace {

struct Task {
    bool bot;
    std::uint64_t seed;
};

}  // namespace

LevelCheck::LevelCheck(int seeds, QObject* parent) : QObject(parent), m_seeds(seeds)
{
    connect(&m_watcher, &QFutureWatcher<RunOutcome>::progressValueChanged, this, [this](int done) {
        if (running())
            emit progress(done);
    });
    connect(&m_watcher, &QFutureWatcher<RunOutcome>::finished, this, &LevelCheck::collect);
}

LevelCheck::~LevelCheck()
{
    cancel();
    m_watcher.waitForFinished();
}

void LevelCheck::start(const QByteArray& level)
{
    cancel();
    m_watcher.waitForFinished();  // a cancelled check's runs end within one step of the clock
    m_result = readForCheck(level);
    if (!m_result.needsRuns()) {  // the verdict stands whatever the players do: nothing to play
        emit finished(m_result);
        return;
    }
    m_stop = std::make_shared<std::atomic<bool>>(false);

    QList<Task> tasks;
    for (int i = 0; i < m_seeds; ++i)
        for (const bool bot : {true, false})
            tasks.append({bot, static_cast<std::uint64_t>(i + 1)});
    m_watcher.setFuture(QtConcurrent::mapped(
        tasks, [level, stop = m_stop](const Task& task) { return checkRun(level, task.bot, task.seed, stop.get()); }));
}

void LevelCheck::cancel()
{
    if (!m_stop)
        return;
    m_stop->store(true);
    m_stop = nullptr;
    m_watcher.cancel();
}

void LevelCheck::collect()
{
    if (m_watcher.isCanceled()) {
        emit cancelled();
        return;
    }
    if (!running())
        return;
    m_stop = nullptr;
    const QList<RunOutcome> runs = m_watcher.future().results();
    for (qsizetype i = 0; i < runs.size(); ++i)
        (i % 2 == 0 ? m_result.botRuns : m_result.idleRuns).push_back(runs[i]);
    emit finished(m_result);
}
