#pragma once

#include "sim/LevelVerdict.h"
#include "sim/Simulation.h"
#include "sim/Summary.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// What Check Level found: whether the level can be read as a game reads it, and if so the runs
// of the computer player and of nobody at the board, one a seed; none when too few turtles can
// reach the water, which no player changes.
struct CheckResult {
    int linesRead = 0;  // 24 when the level reads whole; else it stops at line linesRead + 1
    WaterReach reach;
    std::vector<RunOutcome> botRuns;
    std::vector<RunOutcome> idleRuns;
    bool readable() const { return linesRead == 24; }
    // The players have something to judge: the level reads whole and enough turtles reach water.
    bool needsRuns() const { return readable() && !reach.tooFew(); }
    bool played() const { return !botRuns.empty(); }
    // The seed of the computer player's first passing run, or of its first run when none passed.
    std::uint64_t watchSeed() const;
    SeedSummary bot() const { return summaryOf(botRuns); }
    SeedSummary idle() const { return summaryOf(idleRuns); }
    // The verdict line, the first that applies; for a level that cannot be read, why not.
    QString verdict() const;
};

Q_DECLARE_METATYPE(CheckResult)

// The judgement of a level, as the bytes of its file, in its parts, so that its runs may be
// spread over threads: the reading, then one run a player and seed, seeds 1 to LevelCheckSeeds,
// the computer player's and nobody's for each seed in turn. Each run is bounded by the
// simulator's own time, never by the wall, so a verdict does not depend on the machine's load.
CheckResult readForCheck(const QByteArray& level);
// The computer player's run (bot) or nobody's; stopped where it stands once stop turns true.
RunOutcome checkRun(const QByteArray& level, bool bot, std::uint64_t seed, const std::atomic<bool>* stop);

// The whole judgement on this thread, runs added in the order above; nothing once stop turns true.
std::optional<CheckResult> judgeLevel(const QByteArray& level, const std::atomic<bool>& stop,
                                      int seeds = LevelCheckSeeds);
