#pragma once

#include "files/ReplayFile.h"
#include "files/sets/SetFileFormat.h"

#include <optional>

// A recording made self-contained with the set it was played in, as it travels: to a friend
// (Save As) or to the world table.
struct SelfContained {
    std::optional<GameRecording> recording;
    Phrase problem;  // why it cannot travel: empty when it can
};

// Carries the set in the recording (carrySet) and plays it through the rules from the carried
// levels alone: a set changed since the game (a level changed, one added after a won game) gives
// the problem instead of a file that would not verify.
SelfContained selfContained(GameRecording recording, SetFile set);
