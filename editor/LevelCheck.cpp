#include "editor/LevelCheck.h"

#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "sim/BotPlayer.h"
#include "sim/Players.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentMap>

namespace {

struct Task {
    bool bot;
    std::uint64_t seed;
};

// Why a level cannot be played, by the line it could not be read at.
const char* outsideRange(int line)
{
    switch (line) {
    case 2:
        return QT_TRANSLATE_NOOP("LevelCheck", "Cannot be played: the bonus lies outside -32768 to 32767");
    case 3:
        return QT_TRANSLATE_NOOP("LevelCheck", "Cannot be played: the turtle period lies outside -32768 to 32767");
    default:
        return QT_TRANSLATE_NOOP("LevelCheck", "Cannot be played: the dog period lies outside -32768 to 32767");
    }
}

const char* verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::CannotReachWater:
        return QT_TRANSLATE_NOOP("LevelCheck", "Cannot be passed: too few turtles can reach water");
    case Verdict::TooHard:
        return QT_TRANSLATE_NOOP("LevelCheck", "Too hard for the computer player");
    case Verdict::PlaysItself:
        return QT_TRANSLATE_NOOP("LevelCheck", "Plays itself");
    default:
        return QT_TRANSLATE_NOOP("LevelCheck", "Fair");
    }
}

}  // namespace

QString CheckResult::verdict() const
{
    return QCoreApplication::translate("LevelCheck", readable() ? verdictText(verdictOf(reach, bot(), idle()))
                                                                : outsideRange(linesRead + 1));
}

std::uint64_t CheckResult::watchSeed() const
{
    for (std::size_t i = 0; i < botRuns.size(); ++i)
        if (botRuns[i].passed)
            return i + 1;
    return 1;
}

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
    m_result = {};
    // The level read as a game reads it: a board the runs start from, and whether it reads whole.
    Level placed;
    GameRandom random(1);
    const LevelReading reading = readLevelBytes(level);
    m_result.linesRead = reading.linesRead;
    placeLevel(reading, placed, random);
    m_stop = std::make_shared<std::atomic<bool>>(false);
    if (!m_result.readable()) {
        m_stop = nullptr;
        emit finished(m_result);
        return;
    }
    m_result.reach = waterReach(placed.board);
    if (m_result.reach.tooFew()) {  // the verdict stands whatever the players do: nothing to play
        m_stop = nullptr;
        emit finished(m_result);
        return;
    }

    QList<Task> tasks;
    for (int i = 0; i < m_seeds; ++i)
        for (const bool bot : {true, false})
            tasks.append({bot, static_cast<std::uint64_t>(i + 1)});
    m_watcher.setFuture(QtConcurrent::mapped(tasks, [level, stop = m_stop](const Task& task) {
        BotPlayer bot;
        IdlePlayer idle;
        Player& player = task.bot ? static_cast<Player&>(bot) : idle;
        return playLevelBytes(level, task.seed, player, stop.get());
    }));
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
