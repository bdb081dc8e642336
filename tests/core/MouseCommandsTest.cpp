#include "core/MouseCommands.h"

#include "tests/support/BoardText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

namespace {

DragPoints dragOf(int startX, int startY, int dx, int dy)
{
    return {Int16(startX), Int16(startY), Int16(startX + dx), Int16(startY + dy)};
}

} // namespace

TEST(CellOfPoint, InsideACellIsTheCellTheTileIsDrawnIn)
{
    EXPECT_EQ(cellOfPoint(0, 0), (CellIndex{0, 0}));
    EXPECT_EQ(cellOfPoint(16, 16), (CellIndex{0, 0}));
    EXPECT_EQ(cellOfPoint(33.9, 50), (CellIndex{0, 1}));
    EXPECT_EQ(cellOfPoint(35, 20), (CellIndex{1, 0}));
    EXPECT_EQ(cellOfPoint(679.5, 679.5), (CellIndex{19, 19}));
}

TEST(CellOfPoint, ABorderPixelGoesToTheEvenNeighbour)
{
    EXPECT_EQ(cellOfPoint(34, 34).col, 0); // 0.5 -> 0
    EXPECT_EQ(cellOfPoint(68, 68).col, 2); // 1.5 -> 2
    EXPECT_EQ(cellOfPoint(102, 0).col, 2); // 2.5 -> 2
    EXPECT_EQ(cellOfPoint(136, 0).col, 4); // 3.5 -> 4
    EXPECT_EQ(cellOfPoint(0, 102).row, 2);
    EXPECT_EQ(cellOfPoint(680, 0).col, 20); // 19.5 -> 20: off the board
}

TEST(PressedCell, OnlyColumnsAndRowsBelowTwentyAreAccepted)
{
    EXPECT_TRUE(pressedCell(679, 679).has_value());
    EXPECT_FALSE(pressedCell(680, 20).has_value());
    EXPECT_FALSE(pressedCell(20, 680).has_value());
    EXPECT_FALSE(pressedCell(681, 683).has_value()); // the picture's frame
    // A broken device's positions that are no number, or infinite, lie nowhere on the board.
    EXPECT_FALSE(pressedCell(std::nanf(""), 20).has_value());
    EXPECT_FALSE(pressedCell(20, -std::numeric_limits<float>::infinity()).has_value());
}

TEST(Distance, IsTheWholePartOfTheStraightLength)
{
    EXPECT_EQ(Distance(0, 0, 3, 4), 5);
    EXPECT_EQ(Distance(10, 10, 17, 17), 9); // 9.899
    EXPECT_EQ(Distance(10, 10, 18, 16), 10);
    EXPECT_EQ(Distance(18, 16, 10, 10), 10);
    EXPECT_EQ(Distance(-5, 0, 5, 0), 10);
}

TEST(DragDirection, ShorterThanTenPixelsHasNoDirection)
{
    EXPECT_EQ(dragDirection(dragOf(100, 100, 0, 0)), DragDirection::None);
    EXPECT_EQ(dragDirection(dragOf(100, 100, 7, 7)), DragDirection::None); // length 9.9
    EXPECT_EQ(dragDirection(dragOf(100, 100, 0, -9)), DragDirection::None);
}

TEST(DragDirection, TheSteeperAxisWinsAndADiagonalIsHorizontal)
{
    EXPECT_EQ(dragDirection(dragOf(100, 100, 8, 6)), DragDirection::Right); // exactly 10
    EXPECT_EQ(dragDirection(dragOf(100, 100, 20, -20)), DragDirection::Right);
    EXPECT_EQ(dragDirection(dragOf(100, 100, 20, -21)), DragDirection::Up);
    EXPECT_EQ(dragDirection(dragOf(100, 100, -20, 20)), DragDirection::Left);
    EXPECT_EQ(dragDirection(dragOf(100, 100, -20, 21)), DragDirection::Down);
    EXPECT_EQ(dragDirection(dragOf(100, 100, 0, 10)), DragDirection::Down); // dx = 0: slope dy / 0.0001
    EXPECT_EQ(dragDirection(dragOf(100, 100, 0, -10)), DragDirection::Up);
    EXPECT_EQ(dragDirection(dragOf(100, 100, -10, 0)), DragDirection::Left);
}

TEST(CommandedCode, TurtlesKeepTheirCodeAndDogsSitWithoutADirection)
{
    EXPECT_EQ(commandedCode(Tile::TurtleLeft, DragDirection::Up), Tile::TurtleUp);
    EXPECT_EQ(commandedCode(Tile::TurtleUp, DragDirection::Left), Tile::TurtleLeft);
    EXPECT_EQ(commandedCode(Tile::TurtleUp, DragDirection::Right), Tile::TurtleRight);
    EXPECT_EQ(commandedCode(Tile::TurtleUp, DragDirection::Down), Tile::TurtleDown);
    EXPECT_EQ(commandedCode(Tile::TurtleDown, DragDirection::None), Tile::TurtleDown);
    EXPECT_EQ(commandedCode(Tile::DogSit, DragDirection::Up), Tile::DogUp);
    EXPECT_EQ(commandedCode(Tile::DogSit, DragDirection::Left), Tile::DogLeft);
    EXPECT_EQ(commandedCode(Tile::DogSit, DragDirection::Right), Tile::DogRight);
    EXPECT_EQ(commandedCode(Tile::DogSit, DragDirection::Down), Tile::DogDown);
    EXPECT_EQ(commandedCode(Tile::DogRight, DragDirection::None), Tile::DogSit);
    EXPECT_EQ(commandedCode(Tile::Rock, DragDirection::Up), Tile::Rock);
}

TEST(PixelOf, IsTheGreatestWholeNumberNotAbove)
{
    EXPECT_EQ(pixelOf(12.9f), 12);
    EXPECT_EQ(pixelOf(-0.5f), -1);
    EXPECT_EQ(pixelOf(1.0e9f), 32767);
    EXPECT_EQ(pixelOf(-std::numeric_limits<float>::infinity()), -32768);
    EXPECT_EQ(pixelOf(std::nanf("")), 0);
}

class MouseSteps : public ::testing::Test {
protected:
    Board board = boardFromRows({
        "ak$r@1b",
        "bbbbbbj",
    });
    Selection selection;
    DragPoints drag;
};

TEST_F(MouseSteps, APressOnATurtleOrADogSelectsItWithItsSound)
{
    MouseOutcome outcome = mouseDown(board, selection, drag, 10, 10);
    EXPECT_EQ(outcome.sound, "TurtSelect");
    EXPECT_TRUE(outcome.redraw);
    EXPECT_TRUE(selection.SelectionActive);
    EXPECT_EQ(selection.SelectionCol, 0);

    outcome = mouseDown(board, selection, drag, 6 * 34 + 5, 34 + 5); // the walking dog "j"
    EXPECT_EQ(outcome.sound, "DogSelect");
    EXPECT_EQ(selection.SelectionCol, 6);
    EXPECT_EQ(selection.SelectionRow, 1);
}

TEST_F(MouseSteps, APressOnAnythingElseIsSilentAndKeepsTheSelectionButStartsTheDragPoints)
{
    mouseDown(board, selection, drag, 40, 10); // the sitting dog at column 1
    for (int col : {2, 3, 4, 5, 6}) {          // water, rock, alien, foot, blank
        const MouseOutcome outcome = mouseDown(board, selection, drag, col * 34 + 10, 10);
        EXPECT_TRUE(outcome.sound.empty()) << col;
        EXPECT_FALSE(outcome.redraw) << col;
    }
    EXPECT_TRUE(selection.SelectionActive);
    EXPECT_EQ(selection.SelectionCol, 1);
    EXPECT_FALSE(mouseDown(board, selection, drag, 200.7f, 150.2f).redraw); // a blank cell
    EXPECT_EQ(drag.DragStartX, 200);
    EXPECT_EQ(drag.DragEndX, 200);
    EXPECT_EQ(drag.DragStartY, 150);
    EXPECT_EQ(drag.DragEndY, 150);
}

TEST_F(MouseSteps, TheReleaseCommandsTheCreatureTheWayOfTheDrag)
{
    struct Case {
        TileCode creature;
        int dx, dy;
        TileCode commanded;
        std::string_view sound;
    };
    const Case cases[] = {
        {Tile::TurtleDown, 0, 0, Tile::TurtleDown, "TurtExecute"}, // press and release: it walks on
        {Tile::TurtleDown, 7, 7, Tile::TurtleDown, "TurtExecute"}, // too short to turn it
        {Tile::DogRight, 7, 7, Tile::DogSit, "dog"},               // too short: the dog sits
        {Tile::TurtleDown, 20, -21, Tile::TurtleUp, "TurtExecute"},
        {Tile::DogSit, 20, -20, Tile::DogRight, "dog"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "drag " << c.dx << "," << c.dy << " on " << static_cast<char>(c.creature));
        board(10, 10) = c.creature;
        mouseDown(board, selection, drag, 10 * 34 + 10, 10 * 34 + 10);
        mouseMove(selection, drag, 10 * 34 + 10 + c.dx, 10 * 34 + 10 + c.dy);
        const MouseOutcome outcome = mouseUp(board, selection, drag);
        EXPECT_EQ(board(10, 10), c.commanded);
        EXPECT_EQ(outcome.sound, c.sound);
        EXPECT_TRUE(outcome.redraw);
        EXPECT_FALSE(selection.SelectionActive);
    }
}

TEST_F(MouseSteps, TheReleaseCommandsTheCellTheSelectionFollowedTo)
{
    mouseDown(board, selection, drag, 10, 10);
    mouseMove(selection, drag, 10, 40);
    // A tick walks the turtle one cell down meanwhile.
    board(0, 1) = board(0, 0);
    board(0, 0) = Tile::Blank;
    FollowSelection(selection, 0, 0, 0, 1);
    mouseUp(board, selection, drag);
    EXPECT_EQ(board(0, 1), Tile::TurtleDown);
    EXPECT_EQ(board(0, 0), Tile::Blank);
}

TEST_F(MouseSteps, MovesAndTheReleaseCountOnlyWhileACreatureIsSelected)
{
    EXPECT_FALSE(mouseMove(selection, drag, 300, 300).redraw);
    EXPECT_EQ(drag.DragEndX, 0);
    mouseDown(board, selection, drag, 10, 10);
    EXPECT_TRUE(mouseMove(selection, drag, -40.5f, 900).redraw); // outside the picture too
    EXPECT_EQ(drag.DragEndX, -41);
    EXPECT_EQ(drag.DragEndY, 900);

    // The turtle tick drops the selected turtle into a hole during the drag (LoseTurtle).
    board(0, 0) = Tile::Blank;
    selection.SelectionActive = false;
    EXPECT_FALSE(mouseMove(selection, drag, 10, 60).redraw);
    const MouseOutcome outcome = mouseUp(board, selection, drag);
    EXPECT_TRUE(outcome.sound.empty());
    EXPECT_FALSE(outcome.redraw);
    EXPECT_EQ(rowOf(board, 0), "bk$r@1bbbbbbbbbbbbbb");
}

TEST_F(MouseSteps, AReleaseOverACellThatLostItsCreatureWritesNothing)
{
    // Abort Game blanks every turtle without dropping a selection held at that moment.
    mouseDown(board, selection, drag, 10, 10);
    mouseMove(selection, drag, 40, 10);
    board(0, 0) = Tile::Blank;
    const MouseOutcome outcome = mouseUp(board, selection, drag);
    EXPECT_TRUE(outcome.sound.empty());
    EXPECT_FALSE(selection.SelectionActive);
    EXPECT_EQ(board(0, 0), Tile::Blank);  // not made into a dog
}
