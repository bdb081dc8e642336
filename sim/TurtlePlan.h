#pragma once

#include "sim/WayToWater.h"

#include <optional>

// One turtle's way to the water, tick by tick: like WayToWater, but it also knows when the turtle
// will stand where, so it crosses a foot's row only while the foot is away.
struct TurtlePlan {
    Way first;  // the way to face now
    int cost;
};

// The cheapest plan for a turtle on (col, row) facing `facing`; with `firstWay` given, only plans
// that start that way. Nothing when no way is found.
std::optional<TurtlePlan> planWay(const Board& board, const Hazards& hazards, const WayToWater& ahead, int col, int row,
                                  Way facing, std::optional<Way> firstWay = std::nullopt);
