#include "core/MouseCommands.h"

#include "core/Sound.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int nearestCell(double coordinate)
{
    // Far outside the board only the sign matters; clamping keeps the conversion defined, and a
    // position that is no number lies nowhere on the board.
    const double cell = roundHalfEven((coordinate - CellPixels / 2.0) / CellPixels);
    return std::isnan(cell) ? -1 : static_cast<int>(std::clamp(cell, -1.0e6, 1.0e6));
}

// Every press starts the drag points again, wherever it lands.
void beginDrag(DragPoints& drag, float x, float y)
{
    drag.dragStartX = drag.dragEndX = pixelOf(x);
    drag.dragStartY = drag.dragEndY = pixelOf(y);
}

}  // namespace

std::optional<CellIndex> pressedCell(float x, float y)
{
    const CellIndex cell{nearestCell(x), nearestCell(y)};
    // A press inside the picture is never negative; the lower bound only keeps a stray event
    // from indexing outside the board.
    if (cell.col >= BoardSize || cell.row >= BoardSize || cell.col < 0 || cell.row < 0)
        return std::nullopt;
    return cell;
}

Int16 distance(Int16 x1, Int16 y1, Int16 x2, Int16 y2)
{
    const double dx = saturate16(static_cast<long long>(x2) - x1);
    const double dy = saturate16(static_cast<long long>(y2) - y1);
    return saturate16(static_cast<long long>(std::sqrt(dx * dx + dy * dy)));
}

DragDirection dragDirection(const DragPoints& drag)
{
    const Int16 dx = saturate16(static_cast<long long>(drag.dragEndX) - drag.dragStartX);
    const Int16 dy = saturate16(static_cast<long long>(drag.dragEndY) - drag.dragStartY);
    const double slope = dx != 0 ? static_cast<double>(dy) / dx : dy / 0.0001;
    if (distance(drag.dragStartX, drag.dragStartY, drag.dragEndX, drag.dragEndY) < 10)
        return DragDirection::None;
    const bool steep = slope < -1.0 || slope > 1.0;
    if (steep && drag.dragEndY < drag.dragStartY)
        return DragDirection::Up;
    if (!steep && drag.dragEndX < drag.dragStartX)
        return DragDirection::Left;
    if (!steep && drag.dragEndX > drag.dragStartX)
        return DragDirection::Right;
    if (steep && drag.dragEndY > drag.dragStartY)
        return DragDirection::Down;
    return DragDirection::None;
}

TileCode commandedCode(TileCode creature, DragDirection direction)
{
    struct Codes {
        TileCode turtle;
        TileCode dog;
    };
    // In the order of DragDirection; without a direction a turtle keeps its code.
    static constexpr std::array<Codes, 5> byDirection{{
        {Tile::Empty, Tile::DogSit},
        {Tile::TurtleUp, Tile::DogUp},
        {Tile::TurtleLeft, Tile::DogLeft},
        {Tile::TurtleRight, Tile::DogRight},
        {Tile::TurtleDown, Tile::DogDown},
    }};
    const Codes& codes = byDirection[static_cast<std::size_t>(direction)];
    if (isTurtle(creature))
        return direction == DragDirection::None ? creature : codes.turtle;
    return isDog(creature) ? codes.dog : creature;
}

Int16 pixelOf(float coordinate)
{
    const double whole = std::floor(static_cast<double>(coordinate));
    return std::isnan(whole) ? 0 : saturate16(static_cast<long long>(std::clamp(whole, -1.0e9, 1.0e9)));
}

MouseOutcome mouseDown(const Board& board, Selection& selection, DragPoints& drag, float x, float y)
{
    beginDrag(drag, x, y);
    const std::optional<CellIndex> cell = pressedCell(x, y);
    if (!cell)
        return {};
    const TileCode code = board(cell->col, cell->row);
    if (!isTurtle(code) && !isDog(code))
        return {};  // the selection, if any, stays as it was
    selection.selectionActive = true;
    selection.selectionCol = static_cast<Int16>(cell->col);
    selection.selectionRow = static_cast<Int16>(cell->row);
    return {isTurtle(code) ? Sound::TurtSelect : Sound::DogSelect, true};
}

MouseOutcome mouseMove(const Selection& selection, DragPoints& drag, float x, float y)
{
    if (!selection.selectionActive)
        return {};
    drag.dragEndX = pixelOf(x);
    drag.dragEndY = pixelOf(y);
    return {{}, true};
}

MouseOutcome mouseUp(Board& board, Selection& selection, const DragPoints& drag)
{
    if (!selection.selectionActive)
        return {};
    selection.selectionActive = false;
    TileCode& cell = board(selection.selectionCol, selection.selectionRow);
    const DragDirection direction = dragDirection(drag);
    if (isTurtle(cell)) {
        cell = commandedCode(cell, direction);
        return {Sound::TurtExecute, true};
    }
    // Only a dog can be there while the selection holds. Should anything else stand there (a
    // turtle blanked without dropping the selection), writing a dog code would make a dog out of
    // nothing: nothing is written and nothing plays.
    if (isDog(cell)) {
        cell = commandedCode(cell, direction);
        return {Sound::Dog, true};
    }
    return {{}, true};
}
