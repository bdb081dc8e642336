// Simulated levels per second on one core: one whole run of a shipped level, from New Game to its
// end (or the ten-minute limit), for the computer player and for nobody at the board.
#include "sim/BotPlayer.h"
#include "sim/Players.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string shippedLevel(int n)
{
    return std::string(PONDRAKE_DATA_DIR) + "/levels/level" + std::to_string(n) + ".txt";
}

template <typename PlayerType>
void playRuns(benchmark::State& state)
{
    const std::string path = shippedLevel(static_cast<int>(state.range(0)));
    std::uint64_t seed = 1;
    double simulatedSeconds = 0;
    for (auto _ : state) {
        PlayerType player;
        const RunOutcome run = playLevel(path, seed++, player);
        simulatedSeconds += static_cast<double>(run.milliseconds) / 1000;
        benchmark::DoNotOptimize(run.score);
    }
    state.SetItemsProcessed(state.iterations());  // items per second: levels per second
    state.counters["simulated_s_per_level"] = simulatedSeconds / static_cast<double>(state.iterations());
}

void BM_BotPlaysLevel(benchmark::State& state) { playRuns<BotPlayer>(state); }
void BM_IdleLevel(benchmark::State& state) { playRuns<IdlePlayer>(state); }

}  // namespace

BENCHMARK(BM_BotPlaysLevel)->Arg(1)->Arg(7)->Arg(12)->Arg(18)->Arg(24);
BENCHMARK(BM_IdleLevel)->Arg(1)->Arg(12)->Arg(24);
