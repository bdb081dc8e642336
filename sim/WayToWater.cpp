#include "sim/WayToWater.h"

#include <cstdint>
#include <functional>
#include <vector>

WayToWater::Terrain WayToWater::terrainOf(const Board& board, const Hazards& hazards)
{
    constexpr int Water = -2;
    constexpr int Closed = -1;
    Terrain terrain;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            terrain(col, row) = board(col, row) == Tile::Water                           ? Water
                                : !walkable(board(col, row)) || hazards.deadly(col, row) ? Closed
                                                                                         : hazards.risk(col, row);
    return terrain;
}

namespace {

// The search runs on a board with a closed border around it, so that no step needs a check that
// it stays on the board: cell (col, row) is at (row + 1) * Padded + col + 1.
constexpr int Padded = BoardSize + 2;
constexpr int Cells = Padded * Padded;
constexpr int at(int col, int row) { return (row + 1) * Padded + col + 1; }
constexpr std::array<int, 4> Steps{-1, -Padded, 1, Padded};  // in the order of Way
constexpr int stepOf(Way way) { return Steps[static_cast<std::size_t>(way)]; }
static_assert(stepOf(Way::Up) == offsetOf(Way::Up).col + Padded * offsetOf(Way::Up).row);

}  // namespace

WayToWater::WayToWater(const Board& board, const Hazards& hazards, int turnCost) : m_turnCost(turnCost)
{
    std::array<int, 4 * Cells> cost;
    cost.fill(Unreachable);
    std::array<bool, Cells> open{};  // a turtle may step here
    std::array<int, Cells> enter{};  // stepping here costs the step and the risk
    int greatestRisk = 0;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col) {
            greatestRisk = std::max(greatestRisk, hazards.risk(col, row));
            open[at(col, row)] = walkable(board(col, row)) && !hazards.deadly(col, row);
            enter[at(col, row)] = 1 + hazards.risk(col, row);
        }

    // Searched backwards from the water in order of cost. Every step costs at least 1 and at most
    // the turn, the step and the greatest risk, so the entries waiting fall into that many buckets
    // of one cost each, used round (a bucket queue: no sorting). An entry packs the way above the
    // cell.
    thread_local std::vector<std::vector<std::uint16_t>> buckets;  // kept: their room is reused
    buckets.resize(static_cast<std::size_t>(turnCost) + static_cast<std::size_t>(greatestRisk) + 2);
    for (std::vector<std::uint16_t>& bucket : buckets)
        bucket.clear();
    std::size_t waiting = 0;
    const auto offer = [&](int cell, int way, int costThere) {
        if (!open[cell])
            return;
        int& known = cost[way * Cells + cell];
        if (costThere < known) {
            known = costThere;
            buckets[static_cast<std::size_t>(costThere) % buckets.size()].push_back(
                static_cast<std::uint16_t>(way << 9 | cell));
            ++waiting;
        }
    };

    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            if (board(col, row) == Tile::Water)
                for (Way way : AllWays)
                    offer(at(col, row) - stepOf(way), static_cast<int>(way), 1);

    std::array<bool, Cells> settled{};  // the cheapest way on from the cell, turning allowed, is known
    for (int now = 1; waiting > 0; ++now) {
        std::vector<std::uint16_t>& bucket = buckets[static_cast<std::size_t>(now) % buckets.size()];
        // Offers from here cost more than this bucket's cost: they go to other buckets.
        for (const std::uint16_t entry : bucket) {
            --waiting;
            const int way = entry >> 9;
            const int cell = entry & 511;
            if (now > cost[way * Cells + cell])
                continue;  // offered again more cheaply since
            // A turtle behind this one, facing the same way, walks in and goes on straight.
            offer(cell - stepOf(static_cast<Way>(way)), way, now + enter[cell]);
            if (!settled[cell]) {
                // The first cost settled here is the cell's cheapest: a turtle walking in from any
                // side can be turned onto it.
                settled[cell] = true;
                for (Way from : AllWays)
                    offer(cell - stepOf(from), static_cast<int>(from), now + turnCost + enter[cell]);
            }
        }
        bucket.clear();
    }

    for (int row = 0; row < GridSize; ++row)
        for (int col = 0; col < GridSize; ++col) {
            const bool inside = col < BoardSize && row < BoardSize;
            for (int way = 0; way < 4; ++way)
                m_cost[way](col, row) = inside ? cost[way * Cells + at(col, row)] : Unreachable;
            m_least(col, row) =
                std::min({m_cost[0](col, row), m_cost[1](col, row), m_cost[2](col, row), m_cost[3](col, row)});
        }
}
