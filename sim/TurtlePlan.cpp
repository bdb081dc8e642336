#include "sim/TurtlePlan.h"

#include "sim/BotPlayer.h"

#include <algorithm>
#include <queue>
#include <vector>

namespace {

// Feet are foreseen this many ticks ahead; beyond that the board will have changed anyway.
constexpr int FootHorizon = 40;

struct Step {
    int estimate;  // cost so far plus the least cost still to come
    int cost;
    int ticks;
    int col;
    int row;
    Way facing;
    Way first;
    bool operator>(const Step& other) const { return estimate > other.estimate; }
};

}  // namespace

std::optional<TurtlePlan> planWay(const Board& board, const Hazards& hazards, const WayToWater& ahead, int col, int row,
                                  Way facing, std::optional<Way> firstWay)
{
    // The least cost still to come from a cell when facing a way: no tick-by-tick plan is cheaper
    // than the one that ignores the feet.
    const auto still = [&](int c, int r, Way way) {
        int least = ahead.cost(c, r, way);
        for (Way turn : AllWays)
            if (turn != way && ahead.cost(c, r, turn) != WayToWater::Unreachable)
                least = std::min(least, ahead.cost(c, r, turn) + TurnCost);
        return least;
    };
    std::priority_queue<Step, std::vector<Step>, std::greater<>> open;
    std::array<Grid21<bool>, 4> closed{};
    const int start = still(col, row, facing);
    if (start == WayToWater::Unreachable)
        return std::nullopt;
    open.push({start, 0, 0, col, row, facing, facing});
    while (!open.empty()) {
        const Step at = open.top();
        open.pop();
        bool& done = closed[static_cast<int>(at.facing)](at.col, at.row);
        if (done)
            continue;
        done = true;
        const bool begun = at.ticks > 0;
        for (Way way : AllWays) {
            if (!begun && firstWay && way != *firstWay)
                continue;
            const int c = at.col + offsetOf(way).col;
            const int r = at.row + offsetOf(way).row;
            if (!onBoard(c, r))
                continue;
            const int turn = way == at.facing ? 0 : TurnCost;
            const Way first = begun ? at.first : way;
            if (board(c, r) == Tile::Water)
                return TurtlePlan{first, at.cost + turn + 1};
            if (!walkable(board(c, r)) || hazards.deadly(c, r))
                continue;
            const int ticks = at.ticks + 1;
            if (ticks <= FootHorizon && hazards.footHits(c, r, ticks))
                continue;
            const int left = still(c, r, way);
            if (left == WayToWater::Unreachable)
                continue;
            const int cost = at.cost + turn + 1 + hazards.risk(c, r);
            open.push({cost + left, cost, ticks, c, r, way, first});
        }
    }
    return std::nullopt;
}
