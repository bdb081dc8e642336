#include "server/SetJudgement.h"

#include "core/Level.h"
#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/LevelFile.h"
#include "server/Submission.h"
#include "sim/LevelJudge.h"

#include <QStringList>

namespace {

// The shortest step of a published level's creatures. A run of ten simulated minutes costs in
// proportion to the steps in it: at one step a millisecond, over a second of processor time, and
// two hundred of them a level. No player can follow creatures faster than this anyway.
constexpr int MinPublishedInterval = 100;  // ms

}  // namespace

std::optional<SetLevelJudgement> judgeSetLevel(int level, const QByteArray& bytes, const std::atomic<bool>& stop,
                                               int seeds)
{
    Level placed;
    GameRandom random(1);
    placeLevel(readLevelBytes(bytes), placed, random);
    for (const int interval : {int(placed.turtleInterval), int(placed.dogInterval)})
        if (interval > 0 && interval < MinPublishedInterval)  // 0 and below: they never step
            return SetLevelJudgement{{level, 0, 0, 0, {}},
                                     Refusal{QStringLiteral("its creatures step every %1 ms; a level published lets "
                                                            "them step every %2 ms at the fastest")
                                                 .arg(interval)
                                                 .arg(MinPublishedInterval),
                                             QStringLiteral("level-too-fast"),
                                             {interval, MinPublishedInterval}}};
    const std::optional<CheckResult> result = judgeLevel(bytes, stop, seeds);
    if (!result)
        return std::nullopt;
    const SeedSummary bot = result->bot();
    const SeedSummary idle = result->idle();
    SetLevelJudgement judged{{level, bot.passRate, bot.medianSeconds, aboutAsHardAs(bot.commandsPerSaved()), {}},
                             std::nullopt};
    switch (verdictOf(result->reach, bot, idle)) {
    case Verdict::CannotReachWater:
        judged.failure = Refusal{QStringLiteral("too few turtles can reach water: %1 of %2")
                                     .arg(result->reach.reaching)
                                     .arg(result->reach.turtles),
                                 QStringLiteral("level-water-unreachable"),
                                 {result->reach.reaching, result->reach.turtles}};
        break;
    case Verdict::TooHard:
        judged.failure =
            Refusal{QStringLiteral("the computer player passed %1 of %2 runs").arg(bot.passed).arg(bot.runs),
                    QStringLiteral("level-too-hard"),
                    {bot.passed, bot.runs}};
        break;
    case Verdict::PlaysItself:
        judged.verdict.warning =
            Refusal{QStringLiteral("the level plays itself: nobody at the board passed %1 of %2 runs")
                        .arg(idle.passed)
                        .arg(idle.runs),
                    QStringLiteral("level-plays-itself"),
                    {idle.passed, idle.runs}};
        break;
    case Verdict::Fair:
        break;
    }
    return judged;
}

std::optional<Refusal> publicationFault(const SetFile& set)
{
    if (std::optional<Refusal> fault = textFault("set-name", set.name))
        return fault;
    if (std::optional<Refusal> fault = textFault("author", set.author))
        return fault;
    // Its lines are joined by line ends, and only those.
    for (const QString& line : set.description.split(u'\n'))
        if (std::optional<Refusal> fault = textFault("description", line))
            return fault;
    return std::nullopt;
}
