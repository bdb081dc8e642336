#include "sim/Hazards.h"

#include <algorithm>
#include <cstdlib>

DragDirection dragOf(Way way)
{
    switch (way) {
    case Way::Left:
        return DragDirection::Left;
    case Way::Up:
        return DragDirection::Up;
    case Way::Right:
        return DragDirection::Right;
    default:
        return DragDirection::Down;
    }
}

std::optional<Way> facingOf(TileCode code)
{
    switch (code) {
    case Tile::TurtleLeft:
    case Tile::DogLeft:
        return Way::Left;
    case Tile::TurtleUp:
    case Tile::DogUp:
        return Way::Up;
    case Tile::TurtleRight:
    case Tile::DogRight:
        return Way::Right;
    case Tile::TurtleDown:
    case Tile::DogDown:
        return Way::Down;
    default:
        return std::nullopt;
    }
}

int FootTrack::colAfter(int ticks) const
{
    int at = col;
    int way = step;
    for (int i = 0; i < ticks; ++i) {
        if (at + way < first || at + way > last)
            way = -way;  // at the end of its stretch a foot turns about without moving
        else
            at += way;
    }
    return at;
}

Hazards::Hazards(const Board& board)
{
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const TileCode code = board(col, row);
            m_deadly(col, row) = code == Tile::Hole || code == Tile::Alien || isFoot(code);
            if (code == Tile::Alien) {
                for (int r = std::max(0, row - 2); r <= std::min(BoardSize - 1, row + 2); ++r)
                    for (int c = std::max(0, col - 2); c <= std::min(BoardSize - 1, col + 2); ++c) {
                        const bool nextDoor = std::abs(r - row) <= 1 && std::abs(c - col) <= 1;
                        m_risk(c, r) += nextDoor ? AlienNextDoorRisk : AlienNearRisk;
                    }
            }
        }
    }
    for (const FootTrack& foot : footTracks(board)) {
        for (int c = foot.first; c <= foot.last; ++c)
            m_risk(c, foot.row) += FootRowRisk;
        // The bot asks where each foot will be many times a look: walked once here.
        ForeseenFoot& foreseen = m_feet.emplace_back(ForeseenFoot{foot, {}});
        m_footRow[static_cast<std::size_t>(foot.row)] = true;
        FootTrack walked = foot;
        for (int tick = 0; tick <= ForeseenTicks; ++tick) {
            foreseen.colAt[tick] = static_cast<std::int8_t>(walked.col);
            walked.col = walked.colAfter(1);
            if (walked.col == foreseen.colAt[tick])  // it turned about at an end
                walked.step = -walked.step;
        }
    }
}

std::vector<FootTrack> footTracks(const Board& board)
{
    std::vector<FootTrack> feet;
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const TileCode code = board(col, row);
            if (!isFoot(code))
                continue;
            FootTrack foot{row, col, col, col, code == Tile::FootLeft ? -1 : 1};
            while (foot.first > 0 && walkable(board(foot.first - 1, row)))
                --foot.first;
            while (foot.last < BoardSize - 1 && walkable(board(foot.last + 1, row)))
                ++foot.last;
            feet.push_back(foot);
        }
    }
    return feet;
}

bool Hazards::footHitsInRow(int col, int row, int tick) const
{
    // The order of the scan decides which of two neighbours moves first; either way a turtle is
    // safe only when the foot is neither there just before, then, nor just after.
    for (const ForeseenFoot& foot : m_feet)
        if (foot.track.row == row)
            for (int t = std::max(0, tick - 1); t <= tick + 1; ++t)
                if ((t <= ForeseenTicks ? foot.colAt[t] : foot.track.colAfter(t)) == col)
                    return true;
    return false;
}

Walk walkStraight(const Board& board, const Hazards& hazards, int col, int row, Way way, int maxTicks)
{
    const Offset step = offsetOf(way);
    for (int tick = 1; tick <= maxTicks; ++tick) {
        const int c = col + step.col;
        const int r = row + step.row;
        if (!onBoard(c, r))
            return {Walk::End::Bump, tick};
        const TileCode ahead = board(c, r);
        if (ahead == Tile::Water)
            return {Walk::End::Water, tick};
        if (hazards.deadly(c, r))
            return {Walk::End::Death, tick};
        if (!walkable(ahead))
            return {Walk::End::Bump, tick};
        col = c;
        row = r;
        if (hazards.footHits(col, row, tick))
            return {Walk::End::Death, tick};
    }
    return {Walk::End::Open, maxTicks};
}
