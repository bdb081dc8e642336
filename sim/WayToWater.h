#pragma once

#include "sim/Hazards.h"

#include <algorithm>
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

    // What the ways depend on, cell by cell: where the water is, where a turtle may step and what
    // stepping there costs. Boards with equal terrain have equal ways.
    using Terrain = Grid21<int>;
    static Terrain terrainOf(const Board& board, const Hazards& hazards);

    // From (col, row) facing way: the cost of stepping on and then going on the cheapest way.
    int cost(int col, int row, Way way) const { return m_cost[static_cast<int>(way)](col, row); }
    // The least cost from (col, row) facing way when it may first be turned for turnCost.
    int costTurning(int col, int row, Way way) const
    {
        const int least = m_least(col, row);
        return least == Unreachable ? least : std::min(cost(col, row, way), least + m_turnCost);
    }

private:
    std::array<Grid21<int>, 4> m_cost;
    Grid21<int> m_least;  // over the four ways
    int m_turnCost;
};
