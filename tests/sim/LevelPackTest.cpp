// The proof of the shipped levels, played by the simulator from many seeds: the computer player
// passes every level, a level that nobody touches is failed (the first two teaching levels aside),
// and from level 7 on the levels grow harder for the computer player.
#include "sim/BotPlayer.h"
#include "sim/LevelVerdict.h"
#include "sim/Players.h"
#include "sim/Summary.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

TEST(LevelPack, EveryLevelIsPassedByTheComputerPlayerFailedUntouchedAndHarderFromLevelSevenOn)
{
    std::vector<std::string> paths;
    for (int n = 1; QFileInfo::exists(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(n)); ++n)
        paths.push_back(PONDRAKE_DATA_DIR "/levels/level" + std::to_string(n) + ".txt");
    ASSERT_GE(paths.size(), 24u);

    // Every level and player is one task; the machine's cores share them.
    const PlayerFactory players[] = {[] { return std::make_unique<BotPlayer>(); },
                                     [] { return std::make_unique<IdlePlayer>(); }};
    std::vector<SeedSummary> runs(2 * paths.size());  // the computer player's and nobody's, level by level
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t task; (task = next++) < runs.size();)
            runs[task] = summarize(paths[task / 2], 1, PONDRAKE_PROOF_SEEDS, players[task % 2]);
    };
    std::vector<std::thread> workers(std::max(1u, std::thread::hardware_concurrency()) - 1);
    for (std::thread& worker : workers)
        worker = std::thread(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    std::printf("%d seeds a level\nlevel  bot passes  idle passes  commands per saved turtle\n", PONDRAKE_PROOF_SEEDS);
    std::vector<double> levels, effort;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const int level = static_cast<int>(i) + 1;
        std::printf("%5d  %10.2f  %11.2f  %25.2f\n", level, runs[2 * i].passRate, runs[2 * i + 1].passRate,
                    runs[2 * i].commandsPerSaved());
        EXPECT_GE(runs[2 * i].passRate, 0.9) << paths[i];
        // Untouched, a level is failed; the first two teaching levels are gentle on purpose.
        EXPECT_LE(runs[2 * i + 1].passRate, level > 2 ? 0.2 : 1.0) << paths[i];
        // Check Level tells a level's difficulty on the scale of the shipped levels, seeds 1 to 100.
        if (PONDRAKE_PROOF_SEEDS == LevelCheckSeeds) {
            EXPECT_NEAR(runs[2 * i].commandsPerSaved(), ShippedDifficulty[i], 0.005) << paths[i];
        }
        if (level >= 7) {
            levels.push_back(level);
            effort.push_back(runs[2 * i].commandsPerSaved());
        }
    }
    EXPECT_GT(leastSquaresSlope(levels, effort), 0.0);
    EXPECT_DOUBLE_EQ(leastSquaresSlope({7, 8, 9, 10}, {5, 3, 4, 2}), -0.8);  // the measure itself

    // The computer player keeps a human pace: no two commands within 400 ms, also on the hardest level.
    BotPlayer bot;
    ScriptWritingPlayer recorder(bot);
    playLevel(paths.back(), 1, recorder);
    for (std::size_t c = 1; c < recorder.commands().size(); ++c)
        EXPECT_GE(recorder.commands()[c].at - recorder.commands()[c - 1].at, BotPlayer::CommandGap);
}
