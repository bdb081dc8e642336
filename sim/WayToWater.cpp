#include "sim/WayToWater.h"

#include <cstdint>
#include <functional>
#include <queue>

WayToWater::WayToWater(const Board& board, const Hazards& hazards, int turnCost)
{
    for (Grid21<int>& grid : m_cost)
        for (int row = 0; row < GridSize; ++row)
            for (int col = 0; col < GridSize; ++col)
                grid(col, row) = Unreachable;

    // Searched backwards from the water in order of cost. An entry packs the cost above the
    // way, column and row, so that the cheapest comes first.
    using Entry = std::uint64_t;
    const auto pack = [](int cost, int col, int row, int way) {
        return (static_cast<Entry>(cost) << 16) | static_cast<Entry>((way << 10) | (col << 5) | row);
    };
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    const auto offer = [&](int col, int row, Way way, int cost) {
        if (!onBoard(col, row) || !walkable(board(col, row)) || hazards.deadly(col, row))
            return;
        int& known = m_cost[static_cast<int>(way)](col, row);
        if (cost < known) {
            known = cost;
            queue.push(pack(cost, col, row, static_cast<int>(way)));
        }
    };

    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (board(col, row) == Tile::Water)
                for (Way way : AllWays)
                    offer(col - offsetOf(way).col, row - offsetOf(way).row, way, 1);

    Grid21<bool> settled;  // the cheapest way on from the cell, turning allowed, is known
    while (!queue.empty()) {
        const Entry top = queue.top();
        queue.pop();
        const int cost = static_cast<int>(top >> 16);
        const int w = static_cast<int>((top >> 10) & 3);
        const int col = static_cast<int>((top >> 5) & 31);
        const int row = static_cast<int>(top & 31);
        const Way way = static_cast<Way>(w);
        if (cost > m_cost[w](col, row))
            continue;
        const int enter = 1 + hazards.risk(col, row);
        // A turtle behind this one, facing the same way, walks in and goes on straight.
        offer(col - offsetOf(way).col, row - offsetOf(way).row, way, cost + enter);
        if (!settled(col, row)) {
            // The first cost settled here is the cell's cheapest: a turtle walking in from any
            // side can be turned onto it.
            settled(col, row) = true;
            for (Way from : AllWays)
                offer(col - offsetOf(from).col, row - offsetOf(from).row, from, cost + turnCost + enter);
        }
    }
}
