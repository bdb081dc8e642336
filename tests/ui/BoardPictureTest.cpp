#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Blue = 0xFF0000FF;

class DrawGridTest : public ::testing::Test {
protected:
    DrawGridTest() { pict.setTiles(testTiles()); }

    QRgb pixel(int x, int y) const { return pict.surface().pixel(x, y); }

    // Every pixel of cell (col, row) has the colour.
    bool cellIs(int col, int row, QRgb colour) const
    {
        for (int y = 34 * row; y < 34 * row + 34; ++y)
            for (int x = 34 * col; x < 34 * col + 34; ++x)
                if (pixel(x, y) != colour)
                    return false;
        return true;
    }

    int bluePixels() const
    {
        int count = 0;
        for (int y = 0; y < BoardPicture::PictureHeight; ++y)
            for (int x = 0; x < BoardPicture::PictureWidth; ++x)
                count += pixel(x, y) == Blue;
        return count;
    }

    BoardPicture pict;
    Selection selection;
    DragPoints drag;
};

} // namespace

TEST_F(DrawGridTest, ThePicturesAre682By684)
{
    EXPECT_EQ(pict.surface().size(), QSize(682, 684));
    EXPECT_EQ(pict.pictBackBuffer().size(), QSize(682, 684));
    EXPECT_EQ(pict.size(), QSize(682, 684));
}

TEST_F(DrawGridTest, EveryTileLandsInItsCell)
{
    const Board board = boardFromRows({"@bjlimkhr$12adwx"});
    pict.DrawGrid(board, selection, drag);
    for (int col = 0; col < 16; ++col)
        EXPECT_TRUE(cellIs(col, 0, testTileColour(board(col, 0)))) << col;
    EXPECT_TRUE(cellIs(19, 19, testTileColour(Tile::Blank)));
}

TEST_F(DrawGridTest, ATileCoversExactlyItsThirtyFourSquarePixels)
{
    Board board = boardFromRows({});
    board(3, 5) = Tile::Rock;
    pict.DrawGrid(board, selection, drag);
    const QRgb rock = testTileColour(Tile::Rock), blank = testTileColour(Tile::Blank);
    EXPECT_EQ(pixel(102, 170), rock);
    EXPECT_EQ(pixel(135, 203), rock);
    EXPECT_EQ(pixel(101, 170), blank);
    EXPECT_EQ(pixel(136, 170), blank);
    EXPECT_EQ(pixel(102, 169), blank);
    EXPECT_EQ(pixel(102, 204), blank);
}

TEST_F(DrawGridTest, ACellWithoutATileKeepsWhatTheBackBufferHeldBefore)
{
    Board board = boardFromRows({"rrr"});
    pict.DrawGrid(board, selection, drag);
    board(0, 0) = Tile::Empty;
    board(1, 0) = Tile::TurtleAnyWay;
    board(2, 0) = U'A';
    pict.DrawGrid(board, selection, drag);
    for (int col = 0; col < 3; ++col)
        EXPECT_TRUE(cellIs(col, 0, testTileColour(Tile::Rock))) << col;
}

TEST_F(DrawGridTest, OnTheFirstRedrawACellWithoutATileShowsTheEmptyBackBuffer)
{
    Board board = boardFromRows({});
    board(4, 4) = U'?';
    pict.DrawGrid(board, selection, drag);
    EXPECT_TRUE(cellIs(4, 4, PictureBackColor));
    EXPECT_EQ(pixel(681, 683), PictureBackColor); // outside the board, inside the picture
}

TEST_F(DrawGridTest, WithoutASelectionThePictureIsExactlyTheBackBuffer)
{
    drag = {10, 10, 400, 400}; // a drag line that must not show
    pict.DrawGrid(boardFromRows({"adwx", "kjlm"}), selection, drag);
    EXPECT_EQ(pict.surface(), pict.pictBackBuffer());
    EXPECT_EQ(bluePixels(), 0);
}

TEST_F(DrawGridTest, TheSelectionBoxOutlinesTheCellWithBothEdgesOnTheLine)
{
    selection = {true, 2, 3};
    drag = {80, 110, 80, 110};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    // Corners (68, 102) and (102, 136), inclusive; the inside keeps the tile.
    EXPECT_EQ(pixel(68, 102), Blue);
    EXPECT_EQ(pixel(102, 136), Blue);
    EXPECT_EQ(pixel(85, 102), Blue);
    EXPECT_EQ(pixel(68, 120), Blue);
    EXPECT_EQ(pixel(102, 120), Blue);
    EXPECT_EQ(pixel(85, 136), Blue);
    EXPECT_EQ(pixel(85, 120), testTileColour(Tile::Blank));
    EXPECT_EQ(pixel(67, 120), testTileColour(Tile::Blank));
    EXPECT_EQ(pixel(103, 120), testTileColour(Tile::Blank));
    // The overlay is drawn on the picture only.
    EXPECT_EQ(pict.pictBackBuffer().pixel(68, 102), testTileColour(Tile::Blank));
}

TEST_F(DrawGridTest, ASelectionInTheLastColumnAndRowHasItsEdgeOn680)
{
    selection = {true, 19, 19};
    drag = {660, 660, 660, 660};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_EQ(pixel(680, 650), Blue);
    EXPECT_EQ(pixel(650, 680), Blue);
    EXPECT_EQ(pixel(646, 650), Blue);
    EXPECT_EQ(pixel(681, 650), PictureBackColor);
    EXPECT_EQ(pixel(650, 681), PictureBackColor);
}

TEST_F(DrawGridTest, TheNextRedrawAlsoRemovesAnOverlayOnThePicturesMargin)
{
    selection = {true, 19, 19};
    drag = {660, 660, 681, 683};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    selection.SelectionActive = false;
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_EQ(pixel(680, 650), PictureBackColor);
    EXPECT_EQ(pixel(650, 680), PictureBackColor);
    EXPECT_EQ(pixel(681, 683), PictureBackColor);
    EXPECT_EQ(bluePixels(), 0);
}

TEST_F(DrawGridTest, TheDragLineRunsFromThePressToTheLatestPointEvenBeyondTheBoard)
{
    selection = {true, 0, 0};
    drag = {17, 17, 3000, 17};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_EQ(pixel(300, 17), Blue);
    EXPECT_EQ(pixel(681, 17), Blue);
    EXPECT_EQ(pixel(300, 18), testTileColour(Tile::Blank));
}

TEST_F(DrawGridTest, TheNextRedrawWithoutASelectionRemovesTheOverlay)
{
    selection = {true, 5, 5};
    drag = {180, 180, 400, 180};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_GT(bluePixels(), 0);
    selection.SelectionActive = false;
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_EQ(bluePixels(), 0);
}

TEST_F(DrawGridTest, TheBoxFollowsTheSelectionWhileTheLineStaysAnchored)
{
    selection = {true, 5, 5};
    drag = {180, 180, 180, 100};
    pict.DrawGrid(boardFromRows({}), selection, drag);
    selection.SelectionCol = 6; // the creature walked one cell right
    pict.DrawGrid(boardFromRows({}), selection, drag);
    EXPECT_EQ(pixel(204, 180), Blue); // the new box's left edge
    EXPECT_NE(pixel(170, 190), Blue); // the old box is gone
    EXPECT_EQ(pixel(180, 120), Blue); // the line, where it was
}

TEST_F(DrawGridTest, PaintingShowsTheLastComposedFrameAgain)
{
    selection = {true, 1, 1};
    drag = {40, 40, 300, 200};
    pict.DrawGrid(boardFromRows({"a$", "rk"}), selection, drag);
    // grab() paints the widget the way an uncovered window is painted again.
    const QImage shown = pict.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, pict.surface());
}
