// The bot's use of dogs: a dog is a wall that the player can move. It is worth a command when,
// standing where it would stop, it shuts the turtles out of more ways into danger, or lets more
// of them reach the water.
#include "sim/BotPlayer.h"

#include <vector>

namespace {

// The cells a dog sent this way walks through, up to where it stops: before the first cell it
// cannot walk into. A turtle in its way only holds it up.
std::vector<Offset> dogPath(const Board& board, int col, int row, Way way)
{
    const Offset step = offsetOf(way);
    std::vector<Offset> path;
    while (onBoard(col + step.col, row + step.row) && walkable(board(col + step.col, row + step.row))) {
        col += step.col;
        row += step.row;
        path.push_back({col, row});
    }
    return path;
}

Board withDogAt(Board board, int fromCol, int fromRow, Offset to)
{
    board(fromCol, fromRow) = Tile::Blank;
    board(to.col, to.row) = Tile::DogSit;
    return board;
}

struct DogChoice {
    Command command;
    Exposure exposure;
};

}  // namespace

bool Exposure::betterThan(const Exposure& other) const
{
    // One side fewer is not worth a command: dogs would wander for nothing.
    constexpr int WorthwhileSides = 2;
    if (turtlesWithWater != other.turtlesWithWater)
        return turtlesWithWater > other.turtlesWithWater;
    return openSides <= other.openSides - WorthwhileSides;
}

Exposure exposureOf(const Board& board)
{
    Grid21<bool> danger;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            danger(col, row) = board(col, row) == Tile::Hole || board(col, row) == Tile::Alien;
    for (const FootTrack& foot : footTracks(board))
        for (int col = foot.first; col <= foot.last; ++col)
            danger(col, foot.row) = true;
    Grid21<bool> reached;
    Exposure exposure;
    std::vector<Offset> todo;
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            if (!isTurtle(board(col, row)) || reached(col, row))
                continue;
            // All the cells the turtles here can wander to, and whether water borders them.
            int turtles = 0;
            bool water = false;
            reached(col, row) = true;
            todo.assign(1, {col, row});
            while (!todo.empty()) {
                const Offset at = todo.back();
                todo.pop_back();
                turtles += isTurtle(board(at.col, at.row)) ? 1 : 0;
                for (Way way : AllWays) {
                    const int c = at.col + offsetOf(way).col;
                    const int r = at.row + offsetOf(way).row;
                    if (!onBoard(c, r) || reached(c, r))
                        continue;
                    if (board(c, r) == Tile::Water)
                        water = true;
                    else if (danger(c, r))
                        ++exposure.openSides;
                    else if (walkable(board(c, r))) {
                        reached(c, r) = true;
                        todo.push_back({c, r});
                    }
                }
            }
            exposure.turtlesWithWater += water ? turtles : 0;
        }
    }
    return exposure;
}

std::optional<Command> dogMove(const Board& board, bool settling)
{
    std::optional<Exposure> now;  // worked out when the first dog needs it
    std::optional<DogChoice> best;
    const auto consider = [&](const Command& command, const Exposure& exposure, const Exposure& against) {
        if (exposure.betterThan(against) && (!best || exposure.betterThan(best->exposure)))
            best = DogChoice{command, exposure};
    };
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            if (!isDog(board(col, row)))
                continue;
            if (const std::optional<Way> walking = facingOf(board(col, row))) {
                const std::vector<Offset> path = dogPath(board, col, row, *walking);
                if (!path.empty()) {
                    // On its way: make it sit here if this cell blocks better than where it stops.
                    consider({col, row, DragDirection::None}, exposureOf(withDogAt(board, col, row, {col, row})),
                             exposureOf(withDogAt(board, col, row, path.back())));
                    continue;
                }
            }
            // Sent one way, it can be made to sit at any cell of its walk.
            if (settling)
                continue;
            if (!now)
                now = exposureOf(board);
            for (Way way : AllWays)
                for (const Offset& stop : dogPath(board, col, row, way))
                    consider({col, row, dragOf(way)}, exposureOf(withDogAt(board, col, row, stop)), *now);
        }
    }
    if (best)
        return best->command;
    return std::nullopt;
}
