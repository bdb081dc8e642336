#include "sim/BotPlayer.h"

#include "sim/TurtlePlan.h"

#include <algorithm>

namespace {

// The gain of turning a turtle whose present heading leads nowhere safe: more than any detour.
constexpr int NoWayKept = 1000;

// Walking straight on: ticks until it dies or bumps; large when it meets neither soon.
int ticksToHarm(const Board& board, const Hazards& hazards, int col, int row, Way way)
{
    const Walk walk = walkStraight(board, hazards, col, row, way, LookAhead);
    switch (walk.end) {
    case Walk::End::Death:
        return walk.ticks;
    case Walk::End::Bump:
        return walk.ticks + 1;  // a bump only turns it at random: less pressing than a death
    default:
        return LookAhead + 2;
    }
}

// The way a turtle with no way to the water survives longest walking straight.
std::optional<TurtleNeed> escape(const Board& board, const Hazards& hazards, int col, int row, Way facing)
{
    const int harm = ticksToHarm(board, hazards, col, row, facing);
    if (harm > UrgentTicks)
        return std::nullopt;
    Way best = facing;
    int longest = harm;
    for (Way way : AllWays) {
        const int ticks = ticksToHarm(board, hazards, col, row, way);
        if (ticks > longest) {
            best = way;
            longest = ticks;
        }
    }
    if (best == facing)
        return std::nullopt;
    return TurtleNeed{col, row, best, harm, longest - harm};
}

}  // namespace

std::optional<TurtleNeed> mostPressingNeed(const Board& board, const Hazards& hazards, const WayToWater& ahead)
{
    // The soonest harm first; among equals the greatest gain. The gain of keeping a heading, a
    // search of its own, is only worked out for the turtles that meet harm soonest: only among
    // them does it choose.
    struct Candidate {
        TurtleNeed need;
        Way facing;
        int bestCost;
        bool gainKnown;
    };
    std::vector<Candidate> candidates;
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            if (!isTurtle(board(col, row)))
                continue;
            const Way facing = *facingOf(board(col, row));
            const std::optional<TurtlePlan> best = planWay(board, hazards, ahead, col, row, facing);
            if (!best) {
                if (const std::optional<TurtleNeed> out = escape(board, hazards, col, row, facing))
                    candidates.push_back({*out, facing, 0, true});
                continue;
            }
            if (best->first != facing)
                candidates.push_back({{col, row, best->first, ticksToHarm(board, hazards, col, row, facing), 0},
                                      facing,
                                      best->cost,
                                      false});
        }
    }
    if (candidates.empty())
        return std::nullopt;
    int soonest = candidates.front().need.urgency;
    for (const Candidate& candidate : candidates)
        soonest = std::min(soonest, candidate.need.urgency);
    std::optional<TurtleNeed> first;
    for (Candidate& candidate : candidates) {
        if (candidate.need.urgency != soonest)
            continue;
        if (!candidate.gainKnown) {
            const TurtleNeed& need = candidate.need;
            const std::optional<TurtlePlan> keep =
                planWay(board, hazards, ahead, need.col, need.row, candidate.facing, candidate.facing);
            candidate.need.gain = keep ? keep->cost - candidate.bestCost : NoWayKept;
        }
        if (!first || candidate.need.gain > first->gain)
            first = candidate.need;
    }
    return first;
}

std::optional<Command> BotPlayer::choose(const Board& board, SimTime now)
{
    const Hazards hazards(board);
    const std::optional<TurtleNeed> need = mostPressingNeed(board, hazards, waysOn(board, hazards));
    const auto turn = [](const TurtleNeed& need) { return Command{need.col, need.row, dragOf(need.want)}; };
    if (need && need->urgency <= UrgentTicks)
        return turn(*need);
    if (const std::optional<Command> dog = dogMove(board, now < m_dogsSettleUntil)) {
        if (dog->direction != DragDirection::None)
            m_dogsSettleUntil = now + DogSettling;
        return dog;
    }
    if (need)
        return turn(*need);
    return std::nullopt;
}

const WayToWater& BotPlayer::waysOn(const Board& board, const Hazards& hazards)
{
    // Turtles walking change nothing of the terrain: most looks find the ways of the last one.
    WayToWater::Terrain terrain = WayToWater::terrainOf(board, hazards);
    if (!m_ways || terrain != m_waysTerrain) {
        m_ways.emplace(board, hazards, TurnCost);
        m_waysTerrain = terrain;
    }
    return *m_ways;
}

std::optional<Command> BotPlayer::decide(const View& view)
{
    const Board& board = view.field.board();
    if (!m_pending && board == m_lastSeen)
        return std::nullopt;  // nothing new since it last looked
    m_lastSeen = board;
    if (view.now < m_nextAllowed) {
        m_pending = true;
        return std::nullopt;
    }
    m_pending = false;
    const std::optional<Command> command = choose(board, view.now);
    if (command)
        m_nextAllowed = view.now + CommandGap;
    return command;
}

std::optional<SimTime> BotPlayer::wakeAt() const
{
    if (m_pending)
        return m_nextAllowed;
    return std::nullopt;
}
