#pragma once

// A soak of the rules: random boards, any mix of every code (with a few codes the game does not
// know), random mouse commands between random ticks. After every tick, and after the mouse
// commands between two ticks:
//   - turtles are conserved: those on the board plus those saved and lost make the start;
//   - only codes of the tile table stand on the board, except unknown codes where they started
//     (unknown codes never move), and rocks, holes and water stay where they were;
//   - dogs and aliens keep their number, and each row keeps its feet;
//   - column 20 and row 20 are never touched;
//   - the selection is inactive or names a cell holding the kind of creature it picked up.
// Used by the CI test (a hundred thousand ticks) and by bench/rules_soak (as many as asked).

#include <cstdint>
#include <optional>
#include <string>

struct SoakReport {
    long long ticks = 0;
    long long boards = 0;
    long long mouseCommands = 0;
    long long selections = 0;       // presses that picked up a turtle or a dog
    long long commands = 0;         // releases that gave a selected creature a command
    long long saved = 0;
    long long lost = 0;
    std::optional<std::string> fault;  // the first invariant broken, with the tick and the board
};

SoakReport soakRules(long long ticks, std::uint64_t seed);
