#pragma once

#include "files/ReplayFile.h"

#include <cstdint>
#include <vector>

// The seeds a game was played from: the header's and each later sitting's, each once. Each comes
// from a nanosecond clock, and a game played from another goes another way, so with the set they
// are the game's identity: a game that shares any of them with another is that game. One seed is
// not enough: a first sitting left at once draws next to nothing from its seed, and another would
// play it the same.
std::vector<std::uint64_t> gameSeeds(const GameRecording& recording);
