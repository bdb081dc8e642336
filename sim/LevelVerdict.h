#pragma once

#include "core/Board.h"
#include "sim/Summary.h"

#include <array>
#include <vector>

// What Check Level concludes about a level from the computer player's and the idle player's runs.

// The turtles on a board, and those with a way to the water around rocks, holes, cells nothing
// can enter and the edge: whatever else stands in the way can move or be moved.
struct WaterReach {
    int turtles = 0;
    int reaching = 0;
    bool tooFew() const { return 2 * reaching < turtles; }  // no turtles: nothing stands in the way
};
WaterReach waterReach(const Board& board);

enum class Verdict { CannotReachWater, TooHard, PlaysItself, Fair };

// The first that applies: fewer than half the turtles can reach the water; the computer player
// passes less than nine runs in ten; nobody at the board passes one run in five or more; fair.
Verdict verdictOf(const WaterReach& reach, const SeedSummary& bot, const SeedSummary& idle);

// Check Level plays seeds 1 to this many with each player.
inline constexpr int LevelCheckSeeds = 100;

// The computer player's commands per saved turtle on the shipped levels 1 to 24, seeds 1 to 100:
// the scale a level's difficulty is told on.
extern const std::array<double, 24> ShippedDifficulty;
// The shipped level whose measure lies nearest (the lower level of two as near).
int aboutAsHardAs(double commandsPerSaved);

// Runs that went on for the whole time limit without the level ending.
int endlessRuns(const std::vector<RunOutcome>& runs);
