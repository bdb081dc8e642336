#include "core/Board.h"

#include <gtest/gtest.h>

TEST(ClearBoard, BlanksThePlayAreaAndLeavesTheSpareColumnAndRowAlone)
{
    Board board;
    board(20, 0) = U'z';
    board(0, 20) = U'y';
    board(19, 19) = Tile::Rock;
    ClearBoard(board);
    EXPECT_EQ(board(0, 0), Tile::Blank);
    EXPECT_EQ(board(19, 19), Tile::Blank);
    EXPECT_EQ(board(20, 0), U'z');
    EXPECT_EQ(board(0, 20), U'y');
    EXPECT_EQ(board(20, 20), Tile::Empty);  // a fresh board holds nothing there
}

TEST(ClearMovedMap, ResetsEveryPlayCell)
{
    MovedMap moved;
    moved(3, 4) = true;
    moved(19, 0) = true;
    moved(20, 20) = true;
    ClearMovedMap(moved);
    EXPECT_FALSE(moved(3, 4));
    EXPECT_FALSE(moved(19, 0));
    EXPECT_TRUE(moved(20, 20));
}

TEST(TileCodes, CaseMattersAndOnlyTheFourTurtleCodesAreTurtles)
{
    EXPECT_TRUE(isTurtle(U'a') && isTurtle(U'w') && isTurtle(U'd') && isTurtle(U'x'));
    EXPECT_FALSE(isTurtle(U'A'));
    EXPECT_FALSE(isTurtle(Tile::TurtleAnyWay));
    EXPECT_TRUE(isDog(Tile::DogSit));
    EXPECT_FALSE(isWalkingDog(Tile::DogSit));
    EXPECT_TRUE(isWalkingDog(U'j') && isWalkingDog(U'i') && isWalkingDog(U'l') && isWalkingDog(U'm'));
    EXPECT_TRUE(isFoot(U'1') && isFoot(U'2'));
    EXPECT_FALSE(isFoot(U'3'));
}

class MoveOccupantTest : public ::testing::Test {
protected:
    Board board;
    MovedMap moved;
    Selection selection;
    void SetUp() override { ClearBoard(board); }
};

TEST_F(MoveOccupantTest, OverwritesTheDestinationMarksItMovedAndLeavesBlankBehind)
{
    board(4, 4) = Tile::TurtleRight;
    board(5, 4) = Tile::Rock;
    MoveOccupant(board, moved, selection, 4, 4, 5, 4);
    EXPECT_EQ(board(5, 4), Tile::TurtleRight);
    EXPECT_EQ(board(4, 4), Tile::Blank);
    EXPECT_TRUE(moved(5, 4));
    EXPECT_FALSE(moved(4, 4));
}

TEST_F(MoveOccupantTest, TheSelectionFollowsTheSelectedCreatureOnly)
{
    board(4, 4) = Tile::DogDown;
    selection = {true, 4, 4};
    MoveOccupant(board, moved, selection, 4, 4, 4, 5);
    EXPECT_TRUE(selection.SelectionActive);
    EXPECT_EQ(selection.SelectionCol, 4);
    EXPECT_EQ(selection.SelectionRow, 5);

    // Another creature moving onto the selected cell does not take the selection.
    board(3, 5) = Tile::Blank;
    board(2, 5) = Tile::TurtleRight;
    MoveOccupant(board, moved, selection, 2, 5, 3, 5);
    EXPECT_EQ(selection.SelectionCol, 4);
    EXPECT_EQ(selection.SelectionRow, 5);
}

TEST(FollowSelection, DoesNothingWithoutAnActiveSelectionEvenWhenTheCellMatches)
{
    Selection selection{false, 7, 7};
    FollowSelection(selection, 7, 7, 8, 7);
    EXPECT_FALSE(selection.SelectionActive);
    EXPECT_EQ(selection.SelectionCol, 7);
}

TEST(Int16Arithmetic, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(add16(32760, 100), 32767);
    EXPECT_EQ(add16(-32760, -100), -32768);
    EXPECT_EQ(add16(10, -15), -5);
    EXPECT_EQ(saturate16(1LL << 40), 32767);
}
