// The board picture, on a screen of two device pixels per point (main sets the scale). The mouse
// events go through the window as the window system delivers them, so Qt's implicit grab is part
// of what is tested; the rules of the mouse commands are core's.
#define QTEST_QPA_MOUSE_HANDLING

#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

// Single board pixels after each redraw of one story: a rock at (3, 5), and three rocks in row 0
// that turn into codes without a tile, which keep what the back buffer held there.
TEST(BoardPicture, TilesAndTheSelectionOverlayCoverExactlyTheirPixels)
{
    const QRgb rock = testTileColour(Tile::Rock), blank = testTileColour(Tile::Blank), back = PictureBackColor,
               blue = qRgb(0, 0, 255);
    const Board rocks = boardFromRows({"rrr", "", "", "", "bbbb?", "bbbr"});
    const Board noTiles = boardFromRows({"?tA", "", "", "", "bbbb?", "bbbr"});
    BoardPicture pict;
    pict.setTiles(testTiles());
    const auto expect = [&](const char* what, std::initializer_list<std::tuple<int, int, QRgb>> probes) {
        for (const auto& [x, y, colour] : probes)
            EXPECT_EQ(pict.surface().pixel(x, y), colour) << what << ", at " << x << "," << y;
    };
    pict.DrawGrid(rocks, {}, {});
    expect("the rock's 34 x 34 pixels, a cell without a tile, the margin", {{102, 170, rock},
                                                                            {135, 203, rock},
                                                                            {101, 170, blank},
                                                                            {136, 170, blank},
                                                                            {102, 169, blank},
                                                                            {102, 204, blank},
                                                                            {153, 153, back},
                                                                            {681, 683, back}});
    pict.DrawGrid(noTiles, {true, 2, 3}, {80, 110, 80, 110});
    expect("the box of (2, 3): both edges on the line, the inside keeps the tile; row 0 keeps its rocks",
           {{68, 102, blue},
            {102, 136, blue},
            {85, 102, blue},
            {68, 120, blue},
            {102, 120, blue},
            {85, 136, blue},
            {85, 120, blank},
            {67, 120, blank},
            {103, 120, blank},
            {17, 17, rock},
            {85, 17, rock}});
    pict.DrawGrid(noTiles, {true, 19, 19}, {17, 30, 3000, 30});
    expect("the box of column and row 19 has its edge on 680; the drag line runs beyond the board", {{680, 650, blue},
                                                                                                     {650, 680, blue},
                                                                                                     {646, 650, blue},
                                                                                                     {681, 650, back},
                                                                                                     {650, 681, back},
                                                                                                     {300, 30, blue},
                                                                                                     {681, 30, blue},
                                                                                                     {300, 31, blank}});
    pict.DrawGrid(noTiles, {false, 19, 19}, {17, 30, 3000, 30});
    expect("without a selection no overlay is left, on the margin neither",
           {{680, 650, back}, {681, 30, back}, {300, 30, blank}});

    // On the screen each board pixel is 2 x 2 device pixels, nothing blended: the box's edge at 102.
    pict.DrawGrid(rocks, {true, 3, 5}, {});
    const QImage shown = pict.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(1364, 1368));
    EXPECT_EQ(QList<QRgb>({shown.pixel(203, 360), shown.pixel(204, 360), shown.pixel(205, 360), shown.pixel(206, 360)}),
              QList<QRgb>({blank, blue, blue, rock}));
}

// Device pixel d shows board pixel d / step, where step is the whole part of the screen's ratio;
// the logical size covers the board's device pixels with less than one point to spare.
TEST(BoardPicture, GrowsByTheWholePartOfTheScreensRatio)
{
    for (const auto& [ratio, step] : {std::pair{0.75, 1}, {1.25, 1}, {1.5, 1}, {1.9999999, 2}, {2.5, 2}, {3.0, 3}}) {
        for (int d = 0; d < BoardPicture::PictureWidth * step; ++d)
            ASSERT_NEAR(BoardPicture::boardPointOf(QPointF(d / ratio, 0), ratio).x(), double(d) / step, 1e-9) << ratio;
        const int points = BoardPicture::logicalSize(ratio).width();
        EXPECT_TRUE(points * ratio > BoardPicture::PictureWidth * step - 1e-6) << ratio;
        EXPECT_TRUE((points - 1) * ratio < BoardPicture::PictureWidth * step) << ratio;
    }
}

// Once a button is pressed on the board, its moves and its release keep coming to the board, in
// board pixels, wherever the pointer goes: below the picture and beyond the window's edge.
TEST(BoardPicture, ThePressedBoardHearsTheMouseWhereverItGoes)
{
    QWidget window;
    auto* pict = new BoardPicture(&window);
    QStringList heard;
    const auto log = [&](QString what) { return [&heard, what](float x, float y) { heard << what.arg(x).arg(y); }; };
    QObject::connect(pict, &BoardPicture::MouseMove, log(QStringLiteral("move %1,%2")));
    QObject::connect(pict, &BoardPicture::MouseUp, log(QStringLiteral("up %1,%2")));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(pict, Qt::LeftButton, {}, QPoint(35, 20));
    QTest::mouseMove(&window, QPoint(50, 750));
    QTest::mouseMove(&window, QPoint(-150, 30));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(-150, 30));
    // The first move is the pointer arriving for the press (the board tracks the mouse).
    EXPECT_EQ(heard, (QStringList{"move 35,20", "move 50,750", "move -150,30", "up -150,30"}));
}

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "2", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
