#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST_F(DrawGridTest, EveryTileLandsInItsCellOfA682By684Picture)
{
    EXPECT_EQ(pict.surface().size(), QSize(682, 684));
    EXPECT_EQ(pict.pictBackBuffer().size(), QSize(682, 684));
    EXPECT_EQ(pict.size(), QSize(682, 684));
    const Board board = boardFromRows({"@bjlimkhr$12adwx"});
    pict.DrawGrid(board, selection, drag);
    for (int col = 0; col < 16; ++col)
        EXPECT_TRUE(cellIs(col, 0, testTileColour(board(col, 0)))) << col;
    EXPECT_TRUE(cellIs(19, 19, testTileColour(Tile::Blank)));
}

// Single pixels of the picture: a rock at (3, 5) on a blank board, with and without a selection.
TEST_F(DrawGridTest, TheTileAndTheSelectionOverlayCoverExactlyTheirPixels)
{
    const QRgb rock = testTileColour(Tile::Rock), blank = testTileColour(Tile::Blank), back = PictureBackColor;
    struct Probe {
        int x, y;
        QRgb colour;
    };
    struct Scene {
        const char* what;
        Selection selection;
        DragPoints drag;
        std::vector<Probe> probes;
    };
    const Scene scenes[] = {
        {"the rock's 34 x 34 pixels", {}, {},
         {{102, 170, rock}, {135, 203, rock}, {101, 170, blank}, {136, 170, blank}, {102, 169, blank},
          {102, 204, blank}}},
        {"the box of (2, 3): both edges on the line, the inside keeps the tile", {true, 2, 3}, {80, 110, 80, 110},
         {{68, 102, Blue}, {102, 136, Blue}, {85, 102, Blue}, {68, 120, Blue}, {102, 120, Blue}, {85, 136, Blue},
          {85, 120, blank}, {67, 120, blank}, {103, 120, blank}}},
        {"the box of column and row 19 has its edge on 680", {true, 19, 19}, {660, 660, 660, 660},
         {{680, 650, Blue}, {650, 680, Blue}, {646, 650, Blue}, {681, 650, back}, {650, 681, back}}},
        {"the drag line runs from the press to the latest point, beyond the board", {true, 0, 0}, {17, 17, 3000, 17},
         {{300, 17, Blue}, {681, 17, Blue}, {300, 18, blank}}},
    };
    Board board = boardFromRows({});
    board(3, 5) = Tile::Rock;
    for (const Scene& scene : scenes) {
        SCOPED_TRACE(scene.what);
        pict.DrawGrid(board, scene.selection, scene.drag);
        for (const Probe& p : scene.probes)
            EXPECT_EQ(pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
    }
}

TEST_F(DrawGridTest, ACellWithoutATileKeepsWhatTheBackBufferHeldBefore)
{
    // On the first redraw that is the empty back buffer.
    Board board = boardFromRows({"rrr"});
    board(4, 4) = U'?';
    pict.DrawGrid(board, selection, drag);
    EXPECT_TRUE(cellIs(4, 4, PictureBackColor));
    EXPECT_EQ(pixel(681, 683), PictureBackColor); // outside the board, inside the picture

    board(0, 0) = Tile::Empty;
    board(1, 0) = Tile::TurtleAnyWay;
    board(2, 0) = U'A';
    pict.DrawGrid(board, selection, drag);
    for (int col = 0; col < 3; ++col)
        EXPECT_TRUE(cellIs(col, 0, testTileColour(Tile::Rock))) << col;
}

TEST_F(DrawGridTest, WithoutASelectionTheNextRedrawShowsNoOverlayEvenOnTheMargin)
{
    selection = {true, 19, 19};
    drag = {660, 660, 681, 683};
    pict.DrawGrid(boardFromRows({"adwx", "kjlm"}), selection, drag);
    EXPECT_EQ(pixel(680, 650), Blue);
    EXPECT_EQ(pict.pictBackBuffer().pixel(680, 650), PictureBackColor); // drawn on the picture only
    selection.SelectionActive = false;
    pict.DrawGrid(boardFromRows({"adwx", "kjlm"}), selection, drag); // a drag line that must not show
    EXPECT_EQ(pict.surface(), pict.pictBackBuffer());
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
