#include "sim/TurtlePlan.h"

#include "sim/BotPlayer.h"

#include <algorithm>
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
};

// What the search keeps in its heap: a step's estimate and where the step is kept. Ordered by the
// estimate alone, exactly as the steps themselves would be, but cheaper to move about.
struct Waiting {
    int estimate;
    int step;
};
constexpr auto LaterFirst = [](const Waiting& a, const Waiting& b) { return a.estimate > b.estimate; };

}  // namespace

std::optional<TurtlePlan> planWay(const Board& board, const Hazards& hazards, const WayToWater& ahead, int col, int row,
                                  Way facing, std::optional<Way> firstWay)
{
    // The least cost still to come from a cell when facing a way: no tick-by-tick plan is cheaper
    // than the one that ignores the feet.
    const auto still = [&](int c, int r, Way way) { return ahead.costTurning(c, r, way); };
    // Kept between searches on the same thread: a look searches many times.
    thread_local std::vector<Step> steps;
    thread_local std::vector<Waiting> open;
    steps.clear();
    open.clear();
    const auto push = [&](const Step& step) {
        steps.push_back(step);
        open.push_back({step.estimate, static_cast<int>(steps.size()) - 1});
        std::push_heap(open.begin(), open.end(), LaterFirst);
    };
    std::array<Grid21<bool>, 4> closed{};
    const int start = still(col, row, facing);
    if (start == WayToWater::Unreachable)
        return std::nullopt;
    push({start, 0, 0, col, row, facing, facing});
    while (!open.empty()) {
        std::pop_heap(open.begin(), open.end(), LaterFirst);
        const Step at = steps[static_cast<std::size_t>(open.back().step)];
        open.pop_back();
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
            // A cell a turtle cannot step on has no way to the water either: the cheaper test first.
            const int left = still(c, r, way);
            if (left == WayToWater::Unreachable || !walkable(board(c, r)) || hazards.deadly(c, r))
                continue;
            const int ticks = at.ticks + 1;
            if (ticks <= FootHorizon && hazards.footHits(c, r, ticks))
                continue;
            const int cost = at.cost + turn + 1 + hazards.risk(c, r);
            push({cost + left, cost, ticks, c, r, way, first});
        }
    }
    return std::nullopt;
}
