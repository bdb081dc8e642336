#include "core/KeyCommands.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int Cells = BoardSize * BoardSize;

bool takesCommands(TileCode code) { return isTurtle(code) || isDog(code); }

// The creature after (or before) reading position `from`, round the board; -1 when there is none.
int nextCreature(const Board& board, int from, int step)
{
    for (int n = 1; n <= Cells; ++n) {
        const int at = ((from + step * n) % Cells + Cells) % Cells;
        if (takesCommands(board(at % BoardSize, at / BoardSize)))
            return at;
    }
    return -1;
}

GameInput input(GameInput::Kind kind, float x = 0, float y = 0) { return {kind, GameTimer::CountDown, x, y}; }

// The drag from the press point one cell towards (dx, dy), and the release there.
std::vector<GameInput> command(const DragPoints& drag, int dx, int dy)
{
    const float x = static_cast<float>(drag.dragStartX + CellPixels * dx);
    const float y = static_cast<float>(drag.dragStartY + CellPixels * dy);
    return {input(GameInput::Kind::MouseMove, x, y), input(GameInput::Kind::MouseUp, x, y)};
}

}  // namespace

float cellCentre(int index) { return static_cast<float>(CellPixels * index) + static_cast<float>(CellPixels) / 2; }

void BoardCursor::follow(const Selection& selection)
{
    if (selection.selectionActive)
        m_cell = {selection.selectionCol, selection.selectionRow};
}

std::vector<GameInput> BoardCursor::press(BoardKey key, const Board& board, const Selection& selection,
                                          const DragPoints& drag)
{
    follow(selection);
    const bool wasShown = std::exchange(m_shown, true);
    const bool selected = selection.selectionActive;
    std::vector<GameInput> inputs;
    if (key == BoardKey::LetGo || key == BoardKey::Next || key == BoardKey::Previous) {
        if (selected)
            inputs.push_back(input(GameInput::Kind::LetGo));
        if (key != BoardKey::LetGo) {
            const int from = wasShown ? m_cell.row * BoardSize + m_cell.col : -1;
            const int found =
                nextCreature(board, key == BoardKey::Next ? from : std::max(from, 0), key == BoardKey::Next ? 1 : -1);
            if (found >= 0)
                m_cell = {found % BoardSize, found / BoardSize};
        }
        return inputs;
    }
    if (!wasShown)
        return inputs;

    int dx = 0, dy = 0;
    switch (key) {
    case BoardKey::Left:
        dx = -1;
        break;
    case BoardKey::Right:
        dx = 1;
        break;
    case BoardKey::Up:
        dy = -1;
        break;
    case BoardKey::Down:
        dy = 1;
        break;
    default:  // Choose
        if (!selected)
            return {input(GameInput::Kind::MouseDown, cellCentre(m_cell.col), cellCentre(m_cell.row))};
        return command(drag, 0, 0);
    }
    if (selected)
        return command(drag, dx, dy);
    m_cell = {std::clamp(m_cell.col + dx, 0, BoardSize - 1), std::clamp(m_cell.row + dy, 0, BoardSize - 1)};
    return inputs;
}
