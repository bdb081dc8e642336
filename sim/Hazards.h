#pragma once

#include "core/Board.h"
#include "core/MouseCommands.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What the computer player knows about a board: the four ways a creature can face, the cells a
// turtle may walk through, and what threatens it where.

enum class Way { Left, Up, Right, Down };
inline constexpr std::array<Way, 4> AllWays{Way::Left, Way::Up, Way::Right, Way::Down};

struct Offset {
    int col;
    int row;
};
inline constexpr std::array<Offset, 4> WayOffsets{{{-1, 0}, {0, -1}, {1, 0}, {0, 1}}};  // in the order of Way
constexpr Offset offsetOf(Way way) { return WayOffsets[static_cast<std::size_t>(way)]; }
DragDirection dragOf(Way way);
// The way a turtle or walking dog faces; nothing for any other code.
std::optional<Way> facingOf(TileCode code);

constexpr bool onBoard(int col, int row) { return col >= 0 && col < BoardSize && row >= 0 && row < BoardSize; }
// A turtle may step here: the cell is blank or holds a turtle, which will have moved on.
constexpr bool walkable(TileCode code) { return code == Tile::Blank || isTurtle(code); }

// A foot's walk along its row: it bounces between the ends of its stretch, the cells it can
// enter (blank or turtle) around it.
struct FootTrack {
    int row;
    int first;
    int last;
    int col;
    int step;  // -1 walking left, +1 walking right
    // Its column after this many more turtle ticks, on an unchanging row.
    int colAfter(int ticks) const;
};

// Every foot on the board with its stretch.
std::vector<FootTrack> footTracks(const Board& board);

inline constexpr int AlienNextDoorRisk = 8;  // an alien can hop onto the cell at its next hop
inline constexpr int AlienNearRisk = 2;
inline constexpr int FootRowRisk = 3;  // crossing a foot's row is a gamble on its timing

class Hazards {
public:
    explicit Hazards(const Board& board);

    // Walking in ends a turtle: a hole, an alien or a foot.
    bool deadly(int col, int row) const { return m_deadly(col, row); }
    // What passing through a cell costs beyond the step: near an alien or on a foot's stretch.
    int risk(int col, int row) const { return m_risk(col, row); }
    // A turtle standing on the cell after this many turtle ticks meets a foot around that tick.
    bool footHits(int col, int row, int tick) const { return m_footRow[row] && footHitsInRow(col, row, tick); }

    // How far ahead footHits knows each foot's column without walking it there.
    static constexpr int ForeseenTicks = 42;

private:
    struct ForeseenFoot {
        FootTrack track;
        std::array<std::int8_t, ForeseenTicks + 1> colAt;  // its column after 0 to ForeseenTicks ticks
    };
    bool footHitsInRow(int col, int row, int tick) const;

    Grid21<bool> m_deadly;
    Grid21<int> m_risk;
    std::vector<ForeseenFoot> m_feet;
    std::array<bool, GridSize> m_footRow{};  // a foot walks this row
};

// What a turtle walking straight on meets first.
struct Walk {
    enum class End { Water, Death, Bump, Open };
    End end;
    int ticks;  // the turtle tick at which it happens
};
Walk walkStraight(const Board& board, const Hazards& hazards, int col, int row, Way way, int maxTicks);
