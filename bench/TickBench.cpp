// One turtle tick and one dog tick on a busy board: about 100 creatures among rocks, holes and water.
#include "core/PlayField.h"
#include "core/Random.h"

#include <benchmark/benchmark.h>

namespace {

Board busyBoard()
{
    GameRandom random(42);
    static constexpr TileCode creatures[] = {U'a', U'w', U'd', U'x', U'j', U'i', U'l', U'm', U'@', U'1', U'2', U'k'};
    static constexpr TileCode scenery[] = {U'r', U'h', U'$'};
    Board board;
    clearBoard(board);
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const int pick = random.below(100);
            if (pick < 25)
                board(col, row) = creatures[random.below(std::size(creatures))];
            else if (pick < 35)
                board(col, row) = scenery[random.below(std::size(scenery))];
        }
    }
    return board;
}

void runTick(benchmark::State& state, bool turtleTick)
{
    const Board start = busyBoard();
    Level level;
    GameRandom random(7);
    PlayField field(level, random, GameScoring);
    for (auto _ : state) {
        level.board = start;  // every tick sees the same busy board (a 1.7 KiB copy)
        benchmark::DoNotOptimize(field.moveCreatures(turtleTick));
    }
}

void BM_TurtleTick(benchmark::State& state) { runTick(state, true); }
void BM_DogTick(benchmark::State& state) { runTick(state, false); }

void BM_BoardCopyOnly(benchmark::State& state)
{
    const Board start = busyBoard();
    Level level;
    for (auto _ : state) {
        level.board = start;
        benchmark::DoNotOptimize(level.board);
    }
}

}  // namespace

BENCHMARK(BM_TurtleTick);
BENCHMARK(BM_DogTick);
BENCHMARK(BM_BoardCopyOnly);
