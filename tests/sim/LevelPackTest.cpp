// The proof of the shipped levels, played by the simulator from many seeds: the computer player
// passes every level, a level that nobody touches is failed (the first two teaching levels aside),
// and from level 7 on the levels grow harder for the computer player.
#include "tools/sim/BotPlayer.h"
#include "tools/sim/Players.h"
#include "tools/sim/Summary.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int Seeds = PONDRAKE_PROOF_SEEDS;
constexpr double BotPassRate = 0.9;
constexpr double IdlePassRate = 0.2;
constexpr int IdleMayPassUpTo = 2;  // the first two teaching levels are gentle on purpose
constexpr int FirstClimbLevel = 7;

struct LevelProof {
    int level = 0;
    std::string path;
    SeedSummary bot;
    SeedSummary idle;
};

std::vector<LevelProof> playEveryLevel()
{
    std::vector<LevelProof> proofs;
    for (int n = 1;; ++n) {
        const std::string path = std::string(PONDRAKE_DATA_DIR) + "/levels/level" + std::to_string(n) + ".txt";
        if (!QFileInfo::exists(QString::fromStdString(path)))
            break;
        proofs.push_back({n, path, {}, {}});
    }
    // Every level and player is one task; the machine's cores share them.
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t task; (task = next++) < 2 * proofs.size();) {
            LevelProof& proof = proofs[task / 2];
            if (task % 2 == 0)
                proof.bot = summarize(proof.path, 1, Seeds, [] { return std::make_unique<BotPlayer>(); });
            else
                proof.idle = summarize(proof.path, 1, Seeds, [] { return std::make_unique<IdlePlayer>(); });
        }
    };
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();

    std::printf("%d seeds a level\nlevel  bot passes  idle passes  median score  commands per saved turtle\n", Seeds);
    for (const LevelProof& p : proofs)
        std::printf("%5d  %10.2f  %11.2f  %12.1f  %25.2f\n", p.level, p.bot.passRate, p.idle.passRate,
                    p.bot.medianScore, p.bot.commandsPerSaved());
    return proofs;
}

const std::vector<LevelProof>& proofs()
{
    static const std::vector<LevelProof> all = playEveryLevel();
    return all;
}

}  // namespace

TEST(LevelPack, TheComputerPlayerPassesEveryLevel)
{
    ASSERT_FALSE(proofs().empty());
    for (const LevelProof& p : proofs())
        EXPECT_GE(p.bot.passRate, BotPassRate) << p.path;
}

TEST(LevelPack, ALevelThatNobodyTouchesIsFailed)
{
    for (const LevelProof& p : proofs()) {
        if (p.level <= IdleMayPassUpTo)
            continue;
        EXPECT_LE(p.idle.passRate, IdlePassRate) << p.path;
    }
}

TEST(LevelPack, FromLevelSevenOnTheLevelsGrowHarder)
{
    std::vector<double> levels;
    std::vector<double> effort;
    for (const LevelProof& p : proofs()) {
        if (p.level >= FirstClimbLevel) {
            levels.push_back(p.level);
            effort.push_back(p.bot.commandsPerSaved());
        }
    }
    ASSERT_GE(levels.size(), 2u);
    EXPECT_GT(leastSquaresSlope(levels, effort), 0.0);
}

TEST(LevelPack, TheSlopeIsThatOfTheLineThroughThePoints)
{
    EXPECT_DOUBLE_EQ(leastSquaresSlope({1, 2, 3}, {2, 4, 6}), 2.0);
    EXPECT_DOUBLE_EQ(leastSquaresSlope({7, 8, 9, 10}, {5, 3, 4, 2}), -0.8);
    EXPECT_DOUBLE_EQ(leastSquaresSlope({4, 4}, {1, 9}), 0.0);
}
