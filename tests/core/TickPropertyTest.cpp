#include "core/PlayField.h"

#include "core/Random.h"

#include <gtest/gtest.h>

namespace {

int turtlesOnBoard(const Board& board)
{
    int count = 0;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            count += isTurtle(board(col, row)) ? 1 : 0;
    return count;
}

// A busy random board: every code the game knows, plus inert strays.
Board randomBoard(Random& random)
{
    static constexpr TileCode codes[] = {U'b', U'b', U'b', U'b', U'b', U'b', U'r', U'h', U'$', U'a', U'w',
                                         U'd', U'x', U'j', U'i', U'l', U'm', U'k', U'@', U'1', U'2', U'A', 0};
    Board board;
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            board(col, row) = codes[random.below(std::size(codes))];
    return board;
}

}  // namespace

// Over many random boards and ticks no turtle appears or vanishes uncounted, and a selection
// always names the cell that holds the selected creature.
TEST(TickProperty, TurtlesAreConservedAndTheSelectionStaysOnItsCreature)
{
    GameRandom random(20261206);
    for (int game = 0; game < 300; ++game) {
        modGlobals globals;
        globals.board = randomBoard(random);
        const int start = turtlesOnBoard(globals.board);
        globals.TurtlesInLevel = static_cast<Int16>(start);
        PlayField field(globals, random, GameScoring);

        // Select some turtle or dog, as a player would.
        bool selectedTurtle = false;
        for (int i = 0; i < 400 && !field.selection.SelectionActive; ++i) {
            const int col = random.below(BoardSize);
            const int row = random.below(BoardSize);
            if (isTurtle(globals.board(col, row)) || isDog(globals.board(col, row))) {
                field.selection = {true, static_cast<Int16>(col), static_cast<Int16>(row)};
                selectedTurtle = isTurtle(globals.board(col, row));
            }
        }

        for (int tick = 0; tick < 60; ++tick) {
            field.MoveCreatures(random.below(2) == 0);
            const int onBoard = turtlesOnBoard(globals.board);
            ASSERT_EQ(onBoard + field.saved + field.lost, start) << "game " << game << " tick " << tick;
            ASSERT_EQ(globals.TurtlesInLevel, onBoard);
            ASSERT_EQ(field.TurtlesSavedInLevel, field.saved);
            if (field.selection.SelectionActive) {
                const TileCode held = globals.board(field.selection.SelectionCol, field.selection.SelectionRow);
                ASSERT_TRUE(selectedTurtle ? isTurtle(held) : isDog(held)) << "game " << game << " tick " << tick;
            }
        }
    }
}
