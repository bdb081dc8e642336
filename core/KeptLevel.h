#pragma once

#include "core/Int16.h"

// Where a game stands when one of its levels starts: enough to start that level again in another
// sitting. A replay brings no bonus.
struct KeptLevel {
    Int16 levelNumber = 1;
    Int16 score = 0;
    Int16 saved = 0;  // the game's totals, which run across levels
    Int16 lost = 0;
    bool replay = false;
    friend bool operator==(const KeptLevel&, const KeptLevel&) = default;
};

// Told by the level flow when a game's level starts and when its countdown ends (from then on the
// level can only come back as a replay), and when the game is over and nothing is to be kept.
class GameKeeper {
public:
    virtual ~GameKeeper() = default;
    virtual void keep(const KeptLevel& level) = 0;
    virtual void forget() = 0;
};
