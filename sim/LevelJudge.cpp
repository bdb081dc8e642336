#include "sim/LevelJudge.h"

#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "sim/BotPlayer.h"
#include "sim/Players.h"

#include <QCoreApplication>

namespace {

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

CheckResult readForCheck(const QByteArray& level)
{
    // The level read as a game reads it: a board the runs start from, and whether it reads whole.
    CheckResult result;
    Level placed;
    GameRandom random(1);
    const LevelReading reading = readLevelBytes(level);
    result.linesRead = reading.linesRead;
    placeLevel(reading, placed, random);
    if (result.readable())
        result.reach = waterReach(placed.board);
    return result;
}

RunOutcome checkRun(const QByteArray& level, bool bot, std::uint64_t seed, const std::atomic<bool>* stop)
{
    BotPlayer computer;
    IdlePlayer nobody;
    return playLevelBytes(level, seed, bot ? static_cast<Player&>(computer) : nobody, stop);
}

std::optional<CheckResult> judgeLevel(const QByteArray& level, const std::atomic<bool>& stop, int seeds)
{
    CheckResult result = readForCheck(level);
    for (int seed = 1; result.needsRuns() && seed <= seeds; ++seed)
        for (const bool bot : {true, false})
            (bot ? result.botRuns : result.idleRuns).push_back(checkRun(level, bot, std::uint64_t(seed), &stop));
    if (stop.load())
        return std::nullopt;
    return result;
}
