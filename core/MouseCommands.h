#pragma once

#include "core/Board.h"
#include "core/Int16.h"
#include "core/TileCodes.h"

#include <optional>
#include <string_view>

// The mouse commands of the board as plain decisions on a play field's state, so the game and the
// editor's test take the same ones. They never play or draw: they say what to do.

// Where the current drag began and where the pointer was last seen, in board pixels.
struct DragPoints {
    Int16 dragStartX = 0;
    Int16 dragStartY = 0;
    Int16 dragEndX = 0;
    Int16 dragEndY = 0;
};

struct CellIndex {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellIndex&, const CellIndex&) = default;
};

// The cell a press at (x, y) hits, or nothing when it lies beyond column or row 19: the nearest
// whole number to (x - 17) / 34 and (y - 17) / 34, an exact half going to the even neighbour. So
// x = 34 lies in column 0 but x = 68 in column 2.
std::optional<CellIndex> pressedCell(float x, float y);

// Whole part of the straight distance between two points; the differences are 16-bit.
Int16 distance(Int16 x1, Int16 y1, Int16 x2, Int16 y2);

enum class DragDirection { None, Up, Left, Right, Down };  // commandedCode keeps its table in this order

// A drag shorter than 10 pixels has no direction; otherwise the steeper axis wins and an exact
// diagonal counts as horizontal.
DragDirection dragDirection(const DragPoints& drag);

// The code a commanded creature's cell gets: a turtle keeps its code when there is no direction,
// a dog sits ("k"). Any other code is not a creature that takes commands and comes back unchanged.
TileCode commandedCode(TileCode creature, DragDirection direction);

// What a window does after a mouse step: play this effect (unless empty), then redraw if asked.
struct MouseOutcome {
    std::string_view sound;  // an alias of the effect table, or empty
    bool redraw = false;
};

// Int() of a pointer coordinate as a 16-bit pixel value.
Int16 pixelOf(float coordinate);

// A press on a turtle or dog selects it.
MouseOutcome mouseDown(const Board& board, Selection& selection, DragPoints& drag, float x, float y);

// While a creature is selected the drag end follows the pointer.
MouseOutcome mouseMove(const Selection& selection, DragPoints& drag, float x, float y);

// On release, the drag becomes a command for the selected creature, wherever it now stands.
MouseOutcome mouseUp(Board& board, Selection& selection, const DragPoints& drag);
