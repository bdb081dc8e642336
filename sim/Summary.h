#pragma once

#include "sim/Simulation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using PlayerFactory = std::function<std::unique_ptr<Player>()>;

// A player over many seeds of one level.
struct SeedSummary {
    int runs = 0;
    int passed = 0;
    double passRate = 0;
    double medianScore = 0;
    double medianSeconds = 0;
    int commands = 0;
    int dogCommands = 0;
    int saved = 0;
    int lost = 0;
    // All commands over all turtles saved, over every seed: what a saved turtle costs the player.
    double commandsPerSaved() const;
};

// Plays seeds firstSeed, firstSeed + 1, ... with a fresh player each.
SeedSummary summarize(const std::string& path, std::uint64_t firstSeed, int seeds, const PlayerFactory& player);

// The slope of the straight line that fits the points best (least squares); 0 for fewer than two
// distinct x.
double leastSquaresSlope(const std::vector<double>& xs, const std::vector<double>& ys);

// A JSON string of the text, quoted and escaped.
std::string jsonString(const std::string& text);

// One line of JSON for one run, and for a summary.
std::string runJson(const std::string& path, const std::string& player, std::uint64_t seed, const RunOutcome& run);
std::string summaryJson(const std::string& path, const std::string& player, std::uint64_t firstSeed,
                        const SeedSummary& summary);
