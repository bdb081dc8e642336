#include "sim/Players.h"

#include <array>
#include <sstream>

namespace {

struct DirectionName {
    std::string_view name;
    DragDirection direction;
};
constexpr std::array<DirectionName, 5> DirectionNames{{
    {"none", DragDirection::None},
    {"up", DragDirection::Up},
    {"left", DragDirection::Left},
    {"right", DragDirection::Right},
    {"down", DragDirection::Down},
}};

}  // namespace

std::vector<TimedCommand> readScript(std::istream& in)
{
    std::vector<TimedCommand> commands;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::istringstream line(text);
        std::string first;
        if (!(line >> first) || first.front() == '#')
            continue;
        TimedCommand timed{};
        std::string way;
        std::istringstream time(first);
        if (!(time >> timed.at) || !time.eof() || !(line >> timed.command.col >> timed.command.row >> way))
            throw ScriptError{number, "expected: milliseconds column row direction"};
        std::string rest;
        if (line >> rest)
            throw ScriptError{number, "unexpected text after the direction: " + rest};
        if (timed.at < 0 || timed.at > TimeLimit)
            throw ScriptError{number, "the time lies outside 0 to " + std::to_string(TimeLimit) + " ms"};
        if (!commands.empty() && timed.at < commands.back().at)
            throw ScriptError{number, "the time goes backwards"};
        if (timed.command.col < 0 || timed.command.col >= BoardSize || timed.command.row < 0 ||
            timed.command.row >= BoardSize)
            throw ScriptError{number, "the cell lies off the board (columns and rows 0 to 19)"};
        bool known = false;
        for (const DirectionName& d : DirectionNames)
            if (d.name == way) {
                timed.command.direction = d.direction;
                known = true;
            }
        if (!known)
            throw ScriptError{number, "unknown direction " + way + " (up, down, left, right or none)"};
        commands.push_back(timed);
    }
    return commands;
}

std::string scriptLine(const TimedCommand& command)
{
    std::string way;
    for (const DirectionName& d : DirectionNames)
        if (d.direction == command.command.direction)
            way = d.name;
    return std::to_string(command.at) + ' ' + std::to_string(command.command.col) + ' ' +
           std::to_string(command.command.row) + ' ' + way;
}

std::optional<Command> ScriptPlayer::decide(const View& view)
{
    if (m_next >= m_commands.size() || m_commands[m_next].at > view.now)
        return std::nullopt;
    return m_commands[m_next++].command;
}

std::optional<SimTime> ScriptPlayer::wakeAt() const
{
    if (m_next >= m_commands.size())
        return std::nullopt;
    return m_commands[m_next].at;
}

std::optional<Command> ScriptWritingPlayer::decide(const View& view)
{
    const Board& board = view.field.board();
    if (m_trace && !(board == m_shown)) {
        m_shown = board;
        *m_trace << "t=" << view.now << " turtles in play " << view.field.turtlesInLevel << "\n";
        for (int row = 0; row < BoardSize; ++row) {
            for (int col = 0; col < BoardSize; ++col)
                *m_trace << (board(col, row) > 0x20 && board(col, row) < 0x7f ? static_cast<char>(board(col, row))
                                                                              : '?');
            *m_trace << "\n";
        }
    }
    const std::optional<Command> command = m_inner.decide(view);
    if (command) {
        m_commands.push_back({view.now, *command});
        if (m_trace)
            *m_trace << "command " << scriptLine(m_commands.back()) << "\n";
    }
    return command;
}
