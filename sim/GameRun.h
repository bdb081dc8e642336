#pragma once

#include "core/Clock.h"
#include "files/ReplayFile.h"
#include "sim/Simulation.h"

#include <QString>

#include <optional>
#include <vector>

// A whole game played headless through a folder of levels (level1.txt, level2.txt, ...), recorded
// as the game window records one.
struct GameRun {
    GameRecording recording;
    std::vector<Checkpoint> levelEnds;
    bool won = false;  // passed the last level; else aborted at the limit
    std::int32_t score = 0;
    Int16 saved = 0;  // the game's totals
    Int16 lost = 0;
    SimTime milliseconds = 0;
    Board board;  // as the game-over window opened
    // A game left (GamePlay::leaveAt): the level kept, and the recording kept with it.
    std::optional<KeptLevel> kept;
    std::optional<GameRecording> keptRecording;
};

// A game that has not been won after this many attempts at one level, or this long, is aborted.
inline constexpr int MaxAttemptsPerLevel = 3;
inline constexpr SimTime GameTimeLimit = 2 * 60 * 60 * 1000;

// How a game is played beyond its player: from New Game or continued from a kept level (recorded
// whole when the earlier sittings' recording comes with it), and a level at whose start the player
// leaves the game, closing the window, so that it is kept.
struct GamePlay {
    std::optional<KeptLevel> from;
    std::optional<GameRecording> earlier;
    Int16 leaveAt = 0;
};

// Plays from New Game (or the kept level) until the game is won, aborted or left. The same folder,
// seed, player and play give the same game. Throws UnreadableLevel when the first level cannot be
// read whole.
GameRun playGame(const QString& folder, std::uint64_t seed, Player& player, const GamePlay& play = {});
