// The board on a screen of two device pixels per point: whole steps, nearest neighbour.
#define QTEST_QPA_MOUSE_HANDLING

#include "ui/BoardPicture.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <QApplication>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(HiDpi, TheScaleStepIsTheWholePartOfTheRatio)
{
    EXPECT_EQ(BoardPicture::scaleStep(1.0), 1);
    EXPECT_EQ(BoardPicture::scaleStep(1.25), 1);
    EXPECT_EQ(BoardPicture::scaleStep(1.5), 1);
    EXPECT_EQ(BoardPicture::scaleStep(2.0), 2);
    EXPECT_EQ(BoardPicture::scaleStep(1.9999999), 2);
    EXPECT_EQ(BoardPicture::scaleStep(2.5), 2);
    EXPECT_EQ(BoardPicture::scaleStep(3.0), 3);
    EXPECT_EQ(BoardPicture::scaleStep(0.75), 1);
}

TEST(HiDpi, EveryDevicePixelMapsToTheBoardPixelItShows)
{
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0}) {
        const int step = BoardPicture::scaleStep(ratio);
        for (int device = 0; device < BoardPicture::PictureWidth * step; ++device) {
            const QPointF board = BoardPicture::boardPointOf(QPointF(device / ratio, device / ratio), ratio);
            ASSERT_NEAR(board.x(), double(device) / step, 1e-9) << ratio << " " << device;
            ASSERT_EQ(cellOfPoint(board.x(), board.y()), cellOfPoint(double(device) / step, double(device) / step));
        }
        const QSize size = BoardPicture::logicalSize(ratio);
        EXPECT_GE(size.width() * ratio, BoardPicture::PictureWidth * step - 1e-6) << ratio;
        EXPECT_LT((size.width() - 1) * ratio, BoardPicture::PictureWidth * step) << ratio;
    }
}

class OnADoubleDensityScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        pict.setTiles(testTiles());
        pict.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pict));
        ASSERT_EQ(pict.devicePixelRatioF(), 2.0);
    }
    BoardPicture pict;
};

TEST_F(OnADoubleDensityScreen, TheBoardIsDrawnTwiceAsLargeWithNothingBlurred)
{
    EXPECT_EQ(pict.size(), QSize(682, 684)); // logical units, so twice as many device pixels
    Board board = boardFromRows({});
    board(3, 5) = Tile::Rock;
    Selection selection{true, 3, 5};
    DragPoints drag{110, 180, 300, 180};
    pict.DrawGrid(board, selection, drag);

    const QImage shown = pict.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(1364, 1368));
    const QRgb rock = testTileColour(Tile::Rock), blank = testTileColour(Tile::Blank), blue = qRgb(0, 0, 255);
    EXPECT_EQ(shown.pixel(2 * 102 + 2, 2 * 170 + 2), rock); // inside, past the box
    EXPECT_EQ(shown.pixel(2 * 136 - 1 - 2, 2 * 204 - 1 - 2), rock);
    EXPECT_EQ(shown.pixel(2 * 136 + 2, 2 * 190), blank);
    // The one-pixel box edge at x = 102 is two device pixels wide.
    EXPECT_EQ(shown.pixel(2 * 102, 2 * 180), blue);
    EXPECT_EQ(shown.pixel(2 * 102 + 1, 2 * 180), blue);
    EXPECT_EQ(shown.pixel(2 * 102 + 2, 2 * 180 + 5), rock);

    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y));
    EXPECT_EQ(colours, (QSet<QRgb>{rock, blank, blue, PictureBackColor}));
}

TEST_F(OnADoubleDensityScreen, APointStillMapsToTheCellItShows)
{
    QPointF pressed;
    QObject::connect(&pict, &BoardPicture::MouseDown, [&](float x, float y) { pressed = QPointF(x, y); });
    QTest::mousePress(&pict, Qt::LeftButton, {}, QPoint(35, 20));
    EXPECT_EQ(pressed, QPointF(35, 20));
    EXPECT_EQ(cellOfPoint(pressed.x(), pressed.y()), (CellIndex{1, 0}));
    QTest::mouseRelease(&pict, Qt::LeftButton, {}, QPoint(35, 20));
}

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("QT_SCALE_FACTOR", "2", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
