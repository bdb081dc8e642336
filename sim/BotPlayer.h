#pragma once

#include "sim/Hazards.h"
#include "sim/Simulation.h"
#include "sim/WayToWater.h"

// A computer player as quick as a quick human: it looks at the board after every tick and gives
// at most one command every 400 simulated milliseconds. It points turtles along the cheapest way
// to the water, turns the most threatened one first, and sends a dog to block a way into danger
// when no turtle needs it urgently.
class BotPlayer final : public Player {
public:
    static constexpr SimTime CommandGap = 400;

    std::optional<Command> decide(const View& view) override;
    std::optional<SimTime> wakeAt() const override;

    // The command the bot would give on this board, ignoring the pace.
    std::optional<Command> choose(const Board& board, SimTime now);

private:
    // The ways to the water on this board: those of the last look when its terrain is the same.
    const WayToWater& waysOn(const Board& board, const Hazards& hazards);

    Board m_lastSeen;
    std::optional<WayToWater> m_ways;
    WayToWater::Terrain m_waysTerrain;
    SimTime m_nextAllowed = 0;
    SimTime m_dogsSettleUntil = 0;  // a dog just sent is left to do its work
    bool m_pending = false;         // it has looked but had to wait for its next command
};

// --- The parts of its choice --------------------------------------------------------------------

inline constexpr int TurnCost = 4;     // a command, in steps of the way to the water
inline constexpr int UrgentTicks = 3;  // a turtle meeting harm this soon comes before any dog
inline constexpr int LookAhead = 20;   // turtle ticks walked ahead to see what a turtle meets
inline constexpr SimTime DogSettling = 5000;

// What one turtle needs: a new direction, and how soon it would meet harm without it.
struct TurtleNeed {
    int col;
    int row;
    Way want;
    int urgency;  // turtle ticks until it dies or bumps; large when it only could go better
    int gain;     // how much cheaper its way to the water gets
};
// The turtle whose need is most pressing: the soonest harm, among equals the greatest gain.
std::optional<TurtleNeed> mostPressingNeed(const Board& board, const Hazards& hazards, const WayToWater& ahead);

// A dog worth a command: one to send somewhere better, or one on its way to make sit where it
// blocks best. While the dogs settle after a dog was sent, none is sent anywhere else.
std::optional<Command> dogMove(const Board& board, bool settling);

// How exposed the turtles are: the sides of cells they can wander to that open onto a hole, an
// alien, a foot or a foot's stretch; and how many turtles can still wander to the water.
struct Exposure {
    int turtlesWithWater = 0;
    int openSides = 0;
    bool betterThan(const Exposure& other) const;
};
Exposure exposureOf(const Board& board);
