#include "core/PlayField.h"

#include "core/Random.h"

namespace {

struct Step {
    int col;
    int row;
    bool atEdge;
};

Step turtleStep(TileCode code, int col, int row)
{
    switch (code) {
    case Tile::TurtleDown:
        return {col, row + 1, row >= BoardSize - 1};
    case Tile::TurtleLeft:
        return {col - 1, row, col <= 0};
    case Tile::TurtleUp:
        return {col, row - 1, row <= 0};
    default:  // Tile::TurtleRight
        return {col + 1, row, col >= BoardSize - 1};
    }
}

// A walking dog's step, or nothing when it faces the edge.
bool dogStep(TileCode code, int col, int row, int& toCol, int& toRow)
{
    toCol = col;
    toRow = row;
    switch (code) {
    case Tile::DogDown:
        ++toRow;
        return row < BoardSize - 1;
    case Tile::DogLeft:
        --toCol;
        return col > 0;
    case Tile::DogUp:
        --toRow;
        return row >= 1;
    default:  // Tile::DogRight
        ++toCol;
        return col < BoardSize - 1;
    }
}

}  // namespace

PlayField::PlayField(Level& level, Random& random, ScoringRule scoring)
    : m_level(level), m_random(random), m_scoring(scoring)
{
}

void PlayField::creatureBeat(FieldView& view, bool turtleTick)
{
    for (std::string_view alias : moveCreatures(turtleTick).sounds)
        view.playEffect(alias);
    view.showTotals();
    view.drawGrid();
}

void PlayField::bonusBeat(FieldView& view)
{
    if (time > 0) {
        time = add16(time, -1);
        view.showBonus();
    }
}

void PlayField::mouseDown(FieldView& view, float x, float y)
{
    show(view, ::mouseDown(board(), selection, m_drag, x, y));
}

void PlayField::mouseMove(FieldView& view, float x, float y) { show(view, ::mouseMove(selection, m_drag, x, y)); }

void PlayField::mouseUp(FieldView& view) { show(view, ::mouseUp(board(), selection, m_drag)); }

void PlayField::letGo(FieldView& view)
{
    if (!selection.selectionActive)
        return;
    selection.selectionActive = false;
    view.drawGrid();
}

void PlayField::show(FieldView& view, const MouseOutcome& outcome)
{
    if (!outcome.sound.empty())
        view.playEffect(outcome.sound);
    if (outcome.redraw)
        view.drawGrid();
}

void PlayField::resetGame()
{
    score = 0;
    saved = 0;
    lost = 0;
    selection.selectionActive = false;
}

void PlayField::resetLevel()
{
    turtlesSavedInLevel = 0;
    turtlesLostInLevel = 0;
    selection.selectionActive = false;
}

TickResult PlayField::moveCreatures(bool turtleTick)
{
    const Board& field = board();
    TickEvents events;
    clearMovedMap(m_moved);

    // Most cells hold nothing that moves on this tick: they are passed over before the moved map
    // is looked at.
    const auto moves = [turtleTick](TileCode c) {
        return turtleTick ? isTurtle(c) || isFoot(c) : isWalkingDog(c) || c == Tile::Alien;
    };
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const TileCode code = field(col, row);
            if (!moves(code) || m_moved(col, row))
                continue;
            if (turtleTick && isTurtle(code))
                moveTurtle(col, row, events);
            else if (turtleTick && isFoot(code))
                moveFoot(col, row, events);
            else if (!turtleTick && isWalkingDog(code))
                moveDog(col, row);
            else if (!turtleTick && code == Tile::Alien)
                moveAlien(col, row, events);
        }
    }

    // One roll serves every sound of the tick, drawn whether or not anything happened.
    const int roll = 1 + m_random.below(10);
    TickResult result;
    if (events.foot)
        result.sounds.push_back(roll >= 4 ? Sound::Step : Sound::Oops);
    if (events.hole)
        result.sounds.push_back(roll >= 5 ? Sound::Fall : Sound::Oops);
    if (events.alien)
        result.sounds.push_back(roll >= 2 ? Sound::Alien : Sound::Oops);
    if (events.water)
        result.sounds.push_back(Sound::Water);
    if (events.bump)
        result.sounds.push_back(Sound::Boing);
    return result;
}

void PlayField::moveTurtle(int col, int row, TickEvents& events)
{
    Board& field = board();
    const TileCode code = field(col, row);
    const Step step = turtleStep(code, col, row);
    if (step.atEdge) {
        field(col, row) = newTurtleDirection(code);
        events.bump = true;
        return;
    }
    const TileCode ahead = field(step.col, step.row);
    if (ahead == Tile::Blank) {
        moveOccupant(field, m_moved, selection, col, row, step.col, step.row);
    } else if (ahead == Tile::Water) {
        saveTurtle(col, row);
        events.water = true;
    } else if (ahead == Tile::Hole) {
        loseTurtle(col, row);
        events.hole = true;
    } else if (ahead == Tile::Alien) {
        loseTurtle(col, row);
        events.alien = true;
    } else if (isFoot(ahead)) {
        loseTurtle(col, row);
        events.foot = true;
    } else {
        // Blocked: the new direction differs from the blocker's code, not the turtle's own.
        field(col, row) = newTurtleDirection(ahead);
        events.bump = true;
    }
}

void PlayField::moveFoot(int col, int row, TickEvents& events)
{
    Board& field = board();
    const TileCode code = field(col, row);
    const bool left = code == Tile::FootLeft;
    const TileCode turned = left ? Tile::FootRight : Tile::FootLeft;
    if (left ? col == 0 : col >= BoardSize - 1) {
        field(col, row) = turned;
        return;
    }
    const int toCol = left ? col - 1 : col + 1;
    const TileCode ahead = field(toCol, row);
    if (ahead == Tile::Blank) {
        m_moved(toCol, row) = true;
        field(toCol, row) = code;
        field(col, row) = Tile::Blank;
    } else if (isTurtle(ahead)) {
        // No moved flag: a foot walking right meets the scan again and may step twice.
        events.foot = true;
        loseTurtle(toCol, row);
        field(toCol, row) = code;
        field(col, row) = Tile::Blank;
    } else {
        field(col, row) = turned;
    }
}

void PlayField::moveDog(int col, int row)
{
    Board& field = board();
    int toCol = 0;
    int toRow = 0;
    if (dogStep(field(col, row), col, row, toCol, toRow) && field(toCol, toRow) == Tile::Blank)
        moveOccupant(field, m_moved, selection, col, row, toCol, toRow);
}

void PlayField::moveAlien(int col, int row, TickEvents& events)
{
    Board& field = board();
    int toCol = col;
    int toRow = row;
    pickAlienTarget(toCol, toRow);
    const TileCode target = field(toCol, toRow);
    if (target == Tile::Blank) {
        moveOccupant(field, m_moved, selection, col, row, toCol, toRow);
    } else if (isTurtle(target)) {
        // No moved flag: an alien taking a turtle to its right or below may move again.
        events.alien = true;
        loseTurtle(toCol, toRow);
        field(toCol, toRow) = Tile::Alien;
        field(col, row) = Tile::Blank;
    }
}

void PlayField::saveTurtle(int col, int row)
{
    board()(col, row) = Tile::Blank;
    if (selection.selectionActive && selection.selectionCol == col && selection.selectionRow == row)
        selection.selectionActive = false;
    saved = add16(saved, 1);
    score = add16(score, m_scoring.savedBase + halfRoundedToEven(time));
    turtlesSavedInLevel = add16(turtlesSavedInLevel, 1);
    turtlesInLevel = add16(turtlesInLevel, -1);
}

void PlayField::loseTurtle(int col, int row)
{
    board()(col, row) = Tile::Blank;
    if (selection.selectionActive && selection.selectionCol == col && selection.selectionRow == row)
        selection.selectionActive = false;
    lost = add16(lost, 1);
    turtlesLostInLevel = add16(turtlesLostInLevel, 1);
    score = add16(score, -static_cast<long long>(m_scoring.lossFactor) * turtlesLostInLevel);
    turtlesInLevel = add16(turtlesInLevel, -1);
}

TileCode PlayField::newTurtleDirection(TileCode code)
{
    // The tick's own order of ways. Placing a level (placeLevel) and the editor's test (TestMode)
    // draw from tables in other orders, on purpose: each rule keeps the draws it has always made.
    static constexpr TileCode ways[] = {Tile::TurtleLeft, Tile::TurtleUp, Tile::TurtleDown, Tile::TurtleRight};
    for (;;) {
        const TileCode way = ways[m_random.below(4)];
        if (way != code)
            return way;
    }
}

void PlayField::pickAlienTarget(int& col, int& row)
{
    // A numeric keypad seen from above: 8 is up, 2 is down, 5 stays.
    static constexpr int keypadCol[10] = {0, -1, 0, 1, -1, 0, 1, -1, 0, 1};
    static constexpr int keypadRow[10] = {0, 1, 1, 1, 0, 0, 0, -1, -1, -1};
    const Board& field = board();
    for (;;) {
        const int key = 1 + m_random.below(9);
        if (key == 5)
            return;
        const int toCol = col + keypadCol[key];
        const int toRow = row + keypadRow[key];
        if (toCol < 0 || toCol >= BoardSize || toRow < 0 || toRow >= BoardSize)
            continue;
        const TileCode there = field(toCol, toRow);
        if (there == Tile::Blank || isTurtle(there)) {
            col = toCol;
            row = toRow;
            return;
        }
    }
}
