#pragma once

// A soak of the rules: random boards, any mix of every code (with codes the game does not know),
// random mouse commands between random ticks. After every tick: turtles are conserved (those on
// the board plus those saved and lost make the start, and the count in play is right); only codes
// of the tile table stand in the play area, except where an unknown code stood from the start;
// rocks, holes and water stay put; column 20 and row 20 are never touched; the selection is
// inactive or on the kind of creature it picked up.
// Used by the CI test (a hundred thousand ticks) and by bench/rules_soak (as many as asked).

#include <cstdint>
#include <optional>
#include <string>

struct SoakReport {
    long long ticks = 0, boards = 0, mouseCommands = 0;
    long long selections = 0;  // presses that picked up a turtle or a dog
    long long commands = 0;    // releases that gave a selected creature a command
    long long saved = 0, lost = 0;
    std::optional<std::string> fault;  // the first invariant broken, with the tick and the board
};

SoakReport soakRules(long long ticks, std::uint64_t seed);
