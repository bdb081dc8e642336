#include "sim/LevelVerdict.h"

#include <cmath>
#include <queue>

namespace {

// A cell a turtle might still cross some day: what stands there moves, or can be moved away.
bool crossable(TileCode code)
{
    return code == Tile::Blank || isTurtle(code) || isDog(code) || isFoot(code) || code == Tile::Alien;
}

}  // namespace

WaterReach waterReach(const Board& board)
{
    // Flooded outwards from every water cell.
    Grid21<bool> reached;
    std::queue<std::pair<int, int>> open;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (board(col, row) == Tile::Water) {
                reached(col, row) = true;
                open.push({col, row});
            }
    while (!open.empty()) {
        const auto [col, row] = open.front();
        open.pop();
        for (const auto& [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int c = col + dc;
            const int r = row + dr;
            if (c < 0 || c >= BoardSize || r < 0 || r >= BoardSize || reached(c, r) || !crossable(board(c, r)))
                continue;
            reached(c, r) = true;
            open.push({c, r});
        }
    }
    WaterReach reach;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (isTurtle(board(col, row))) {
                ++reach.turtles;
                reach.reaching += reached(col, row) ? 1 : 0;
            }
    return reach;
}

Verdict verdictOf(const WaterReach& reach, const SeedSummary& bot, const SeedSummary& idle)
{
    if (reach.tooFew())
        return Verdict::CannotReachWater;
    if (bot.passRate < 0.9)
        return Verdict::TooHard;
    if (idle.passRate >= 0.2)
        return Verdict::PlaysItself;
    return Verdict::Fair;
}

int aboutAsHardAs(double commandsPerSaved)
{
    int nearest = 0;
    for (int i = 1; i < static_cast<int>(ShippedDifficulty.size()); ++i)
        if (std::abs(ShippedDifficulty[i] - commandsPerSaved) < std::abs(ShippedDifficulty[nearest] - commandsPerSaved))
            nearest = i;
    return nearest + 1;
}

int endlessRuns(const std::vector<RunOutcome>& runs)
{
    int endless = 0;
    for (const RunOutcome& run : runs)
        endless += run.ended ? 0 : 1;
    return endless;
}

// Measured by the level-pack proof, which checks that it still holds.
const std::array<double, 24> ShippedDifficulty = {1.26, 3.44, 1.29, 2.71, 5.31, 2.72, 1.72, 2.07,
                                                  2.09, 2.13, 2.26, 2.27, 2.50, 2.80, 3.39, 3.29,
                                                  3.59, 3.63, 4.00, 4.10, 5.66, 5.40, 7.76, 8.53};
