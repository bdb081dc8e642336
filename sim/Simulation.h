#pragma once

#include "core/MouseCommands.h"
#include "core/PlayField.h"

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

// A level played without a window or a wall clock: the game's own level flow, tick and mouse
// rules, on the game's clock moved by hand. Only the window is a stand-in.

using SimTime = std::int64_t;  // simulated milliseconds since New Game

// A run that has not ended after ten simulated minutes stops there and counts as failed.
inline constexpr SimTime TimeLimit = 10 * 60 * 1000;

// What a player does with the mouse: press on a cell, drag one way (or not at all), release.
struct Command {
    int col = 0;
    int row = 0;
    DragDirection direction = DragDirection::None;
};

// What a player is shown when it is asked: the play field, with the level's board and the turtles
// still in play, and the time.
struct View {
    const PlayField& field;
    SimTime now;
};

class Player {
public:
    virtual ~Player() = default;
    // Asked once the timers due at a moment have fired, and at the time it asked for; may give a
    // command, and is asked again at once when it does.
    virtual std::optional<Command> decide(const View& view) = 0;
    // A time at which to be asked again even if no timer fires before it.
    virtual std::optional<SimTime> wakeAt() const { return std::nullopt; }
};

struct RunOutcome {
    bool ended = false;  // the level ended within the time limit
    bool passed = false;
    int saved = 0;
    int lost = 0;
    int score = 0;
    SimTime milliseconds = 0;  // from New Game to the level's end, or the time limit
    int commands = 0;
    int dogCommands = 0;
    Board board;  // as the level ended, or at the time limit
};

class LevelFlow;

// Press, drag and release, as the game window forwards them to the flow: a press on the centre of
// the cell and a drag of 20 pixels. Returns the code of the pressed cell before the command.
TileCode giveCommand(LevelFlow& flow, const Board& board, const Command& command);

// Thrown when the level file cannot be read whole: there is nothing to play.
struct UnreadableLevel {
    std::string path;
};

// Plays the level file from New Game to the end of its first attempt, with the random generator
// seeded from seed. The same file, seed and player give the same run.
RunOutcome playLevel(const std::string& path, std::uint64_t seed, Player& player);

// The same from the bytes of a level file held in memory (a level being edited). Thrown
// UnreadableLevel names the level "(level in memory)". When stop turns true the run ends where it
// stands, as a run that has not ended.
RunOutcome playLevelBytes(const QByteArray& level, std::uint64_t seed, Player& player,
                          const std::atomic<bool>* stop = nullptr);
