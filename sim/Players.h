#pragma once

#include "sim/Simulation.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Nobody touches the board.
class IdlePlayer final : public Player {
public:
    std::optional<Command> decide(const View&) override { return std::nullopt; }
};

struct TimedCommand {
    SimTime at;
    Command command;
};

// A script line that cannot be read, with its line number (from 1).
struct ScriptError {
    int line;
    std::string message;
};

// A recorded game, one command a line: the simulated time in milliseconds since New Game, the
// column and row pressed, and the direction dragged (up, down, left, right, or none for a press
// and release without a drag). Blank lines and lines starting with # are skipped; the times must
// not go backwards. Throws ScriptError.
std::vector<TimedCommand> readScript(std::istream& in);

// The text of one script line, as readScript reads it back.
std::string scriptLine(const TimedCommand& command);

// Replays a recorded list of commands, each at its time (after the timers due at that moment).
class ScriptPlayer final : public Player {
public:
    explicit ScriptPlayer(std::vector<TimedCommand> commands) : m_commands(std::move(commands)) {}
    std::optional<Command> decide(const View& view) override;
    std::optional<SimTime> wakeAt() const override;

private:
    std::vector<TimedCommand> m_commands;
    std::size_t m_next = 0;
};

// Writes down the commands of the player it wraps, as a script to replay them; with a trace
// stream it also prints every board the player is shown and each command it gives.
class ScriptWritingPlayer final : public Player {
public:
    ScriptWritingPlayer(Player& inner, std::ostream* trace = nullptr) : m_inner(inner), m_trace(trace) {}
    std::optional<Command> decide(const View& view) override;
    std::optional<SimTime> wakeAt() const override { return m_inner.wakeAt(); }
    const std::vector<TimedCommand>& commands() const { return m_commands; }

private:
    Player& m_inner;
    std::ostream* m_trace;
    std::vector<TimedCommand> m_commands;
    Board m_shown;
};
