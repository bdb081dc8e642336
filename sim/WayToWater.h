#pragma once

#include "sim/Hazards.h"

#include <array>
#include <limits>

// The cheapest way to the water for a turtle standing on any cell and facing any way. A turtle
// walks straight on by itself, so a step costs 1 plus the risk of the cell it enters, and a turn
// costs a command. A way never bumps: at a rock, a dog or the edge the turtle would turn at
// random.
class WayToWater {
public:
    static constexpr int Unreachable = std::numeric_limits<int>::max();

    WayToWater(const Board& board, const Hazards& hazards, int turnCost);

    // From (col, row) facing way: the cost of stepping on and then going on the cheapest way.
    int cost(int col, int row, Way way) const { return m_cost[static_cast<int>(way)](col, row); }

private:
    std::array<Grid21<int>, 4> m_cost;
};
