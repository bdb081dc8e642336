// The board picture on screens of 0.75, 1, 1.25, 1.5, 2 and 3 device pixels per point: the test's
// own main gives the offscreen platform one screen of each ratio. The mouse events go through the
// window as the window system delivers them, so Qt's implicit grab and its scaling of positions are
// part of what is tested; the rules of the mouse commands are core's.
#define QTEST_QPA_MOUSE_HANDLING

#include "ui/BoardPicture.h"
#include "ui/SharpScaler.h"

#include "tests/support/BoardText.h"
#include "tests/support/TestTiles.h"

#include <QApplication>
#include <QBackingStore>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <tuple>

namespace {

constexpr qreal Ratios[] = {0.75, 1, 1.25, 1.5, 2, 2.5, 3};

QScreen* screenOfRatio(qreal ratio)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (qFuzzyCompare(screen->devicePixelRatio(), ratio))
            return screen;
    return nullptr;
}

// A window on the screen of that ratio with the picture below a band, as under a menu bar, so that
// its device pixels start between two of the window's at a fractional ratio.
struct PictureWindow {
    QWidget window;
    BoardPicture* pict = new BoardPicture(&window);

    explicit PictureWindow(qreal ratio, int top = 23)
    {
        QScreen* screen = screenOfRatio(ratio);
        window.setScreen(screen);
        window.move(screen->geometry().topLeft() + QPoint(30, 30));
        pict->move(0, top);
        pict->setTiles(testTiles());
        window.resize(700, 720);
        window.show();
    }
};

QImage shown(BoardPicture& pict) { return pict.grab().toImage().convertToFormat(QImage::Format_RGB32); }

int largestChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Where the device pixels of one colour lie in a block of the picture.
QRect boundsOfColour(const QImage& image, QRgb colour, const QRect& within)
{
    QRect bounds;
    for (int y = std::max(0, within.top()); y <= std::min(image.height() - 1, within.bottom()); ++y)
        for (int x = std::max(0, within.left()); x <= std::min(image.width() - 1, within.right()); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

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
}

// At every ratio the picture takes its 682 x 684 points and a press at the centre of a drawn rock
// hits the rock's cell. At a whole-number ratio each board
// pixel is an exact square of device pixels; otherwise each device pixel is within a rounding of
// the board drawn nearest neighbour at the next whole step and scaled down smoothly by Qt.
TEST(BoardPicture, FillsItsPlaceAndTheMouseHitsTheDrawnCellsAtEveryRatio)
{
    const QRgb rock = testTileColour(Tile::Rock);
    const CellIndex cells[] = {{0, 0}, {11, 6}, {19, 19}};
    const Board board = boardFromText("r/6:bbbbbbbbbbbrbbbbbbbbb/19:xxxxxxx$$$$hhhhhhhhr");
    for (const qreal ratio : Ratios) {
        SCOPED_TRACE(ratio);
        PictureWindow place(ratio);
        BoardPicture& pict = *place.pict;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&place.window));
        ASSERT_EQ(pict.devicePixelRatioF(), ratio);
        EXPECT_EQ(pict.size(), QSize(682, 684));
        pict.DrawGrid(board, {true, 4, 12}, {157, 425, 600, 500});
        const QImage device = shown(pict);
        EXPECT_EQ(device.size(), QSize(int(std::ceil(682 * ratio)), int(std::ceil(684 * ratio))));

        QList<QPointF> pressed;
        QObject::connect(&pict, &BoardPicture::MouseDown, [&](float x, float y) { pressed << QPointF(x, y); });
        for (const CellIndex cell : cells) {
            const QRect drawn = boundsOfColour(
                device, rock, QRect(QPoint(34 * cell.col, 34 * cell.row) * ratio, QSize(34, 34) * ratio));
            const QPointF centre = QRectF(drawn).center() / ratio;
            QTest::mousePress(&pict, Qt::LeftButton, {}, centre.toPoint());
            QTest::mouseRelease(&pict, Qt::LeftButton, {}, centre.toPoint());
            ASSERT_FALSE(pressed.empty());
            EXPECT_EQ(pressedCell(float(pressed.last().x()), float(pressed.last().y())), cell);
        }

        // Qt's route: the board at the next whole step, smoothly down to the device pixels. Above
        // 1 it is taken over the board pixels that make a whole number of device pixels, so that
        // both pictures have the same geometry; below 1 the step is 1 and the route is the whole.
        const QImage& surface = pict.surface();
        const int step = std::max(1, int(std::ceil(ratio)));
        QSize whole = surface.size();
        while (ratio > 1 && std::fmod(whole.width() * ratio, 1) != 0)
            whole.rwidth() -= 1;
        while (ratio > 1 && std::fmod(whole.height() * ratio, 1) != 0)
            whole.rheight() -= 1;
        const QImage reference =
            surface.copy(QRect(QPoint(), whole))
                .scaled(whole * step, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .scaled(ratio > 1 ? whole * ratio : device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int worst = 0, mismatched = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x) {
                if (ratio == step)
                    mismatched += device.pixel(x, y) != surface.pixel(x / step, y / step);
                else if (reference.valid(x, y))
                    worst = std::max(worst, largestChannelDifference(device.pixel(x, y), reference.pixel(x, y)));
            }
        EXPECT_EQ(mismatched, 0);
        EXPECT_LE(worst, 2);
    }
}

// The screen repaints what changed, and at a fractional ratio only that is scaled again: after
// each redraw, the window on the screen shows the whole new picture, also where a rock left a
// cell, where a box and a line went away, after the board was paused, and in new tiles.
TEST(BoardPicture, EachRedrawLeavesTheWholeNewPictureOnTheScreen)
{
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.5}) {
        SCOPED_TRACE(ratio);
        PictureWindow place(ratio, 0);
        BoardPicture& pict = *place.pict;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&place.window));
        const auto expectOnScreen = [&](const char* what) {
            QCoreApplication::processEvents();
            // The window's back store: the device pixels the window system is given.
            const auto* stored = dynamic_cast<const QImage*>(place.window.backingStore()->paintDevice());
            ASSERT_NE(stored, nullptr);
            const QImage onScreen = *stored;
            const QImage whole = shown(pict);  // the picture painted afresh
            EXPECT_TRUE(onScreen.convertToFormat(QImage::Format_RGB32).copy(whole.rect()) == whole) << what;
        };
        pict.DrawGrid(boardFromText("r/3:..w/19:bbbbbbbbbbbbbbbbbbbd"), {true, 2, 3}, {80, 110, 400, 600});
        expectOnScreen("the first board");
        pict.DrawGrid(boardFromText(".r/3:...w/19:bbbbbbbbbbbbbbbbbbbbd"), {}, {});
        expectOnScreen("the rock, the turtle and the edge moved, box and line gone");
        pict.DrawPaused();
        expectOnScreen("paused");
        pict.DrawGrid(boardFromText(".r/3:...w"), {true, 19, 19}, {670, 670, 0, 0});
        expectOnScreen("going on");
        pict.DrawGrid(boardFromText(".r/3:...w"), {true, 5, 5}, {187, 187, 220, 200});
        expectOnScreen("a short drag");
        pict.setTiles(TileSet());
        pict.DrawGrid(boardFromText(".r/3:...w"), {}, {});
        expectOnScreen("the same board in new tiles");
    }
}

// At 1.5 and 2.5 every cell edge lies on a device pixel edge, and a cell that shows its tile is drawn
// from the tile scaled alone: the same device pixels as the whole surface scaled, beside and under
// a box and lines (whose drawn pixels stray from the exact line), in the margin, paused, and after
// new tiles came to the same places.
TEST(BoardPicture, CellsDrawnFromTheirScaledTilesShowTheWholeSurfaceScaled)
{
    // Shaded tiles, so that a tile scaled wrongly or drawn a device pixel off shows.
    const auto shadedTiles = [](int shade) {
        TileSet tiles;
        for (const TileFile& entry : TileTable) {
            QImage image(CellPixels, CellPixels, QImage::Format_RGB32);
            for (int y = 0; y < CellPixels; ++y)
                for (int x = 0; x < CellPixels; ++x)
                    image.setPixel(x, y, qRgb(int(entry.code), shade * x % 256, 7 * y));
            tiles.setTile(entry.code, image);
        }
        return tiles;
    };
    const Board board = boardFromText("r@bbx/3:..w$$$$h/7:1122ajklmik/19:xxxxxxx$$$$hhhhhhhhr");
    for (const qreal ratio : {1.5, 2.5}) {
        SCOPED_TRACE(ratio);
        PictureWindow place(ratio, 0);
        BoardPicture& pict = *place.pict;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&place.window));
        const auto expectWholeSurfaceScaled = [&](const char* what) {
            const QImage device = shown(pict), whole = SharpScaler().scaled(pict.surface(), ratio, {});
            ASSERT_EQ(device.size(), whole.size());
            int mismatched = 0;
            for (int y = 0; y < device.height(); ++y)
                for (int x = 0; x < device.width(); ++x)
                    mismatched += device.pixel(x, y) != whole.pixel(x, y);
            EXPECT_EQ(mismatched, 0) << what;
        };
        pict.setTiles(shadedTiles(7));
        pict.DrawGrid(board, {true, 19, 3}, {663, 119, 100, 650});
        expectWholeSurfaceScaled("a box on the board's edge, a line across the board and beyond");
        pict.DrawGrid(board, {true, 7, 4}, {241, 153, 232, 398});
        expectWholeSurfaceScaled("a steep line");
        pict.DrawGrid(board, {true, 5, 17}, {-22, 611, 767, 613});
        expectWholeSurfaceScaled("a flat line along the edge of a row, some of its pixels in the row above");
        pict.DrawGrid(board, {true, 5, 5}, {187, 187, 250, 170});
        expectWholeSurfaceScaled("a short line beyond the box");
        pict.DrawPaused();
        expectWholeSurfaceScaled("paused");
        pict.setTiles(shadedTiles(11));
        pict.DrawGrid(boardFromText("b@bbx/3:..w$$$$h"), {}, {});
        expectWholeSurfaceScaled("new tiles");
    }
}

// Once a button is pressed on the board, its moves and its release keep coming to the board, in
// board pixels, wherever the pointer goes: below the picture and beyond the window's edge.
TEST(BoardPicture, ThePressedBoardHearsTheMouseWhereverItGoes)
{
    PictureWindow place(1.5);
    QStringList heard;
    const auto log = [&](const QString& what) {
        return [&heard, what](float x, float y) { heard << what.arg(x).arg(y); };
    };
    QObject::connect(place.pict, &BoardPicture::MouseMove, log(QStringLiteral("move %1,%2")));
    QObject::connect(place.pict, &BoardPicture::MouseUp, log(QStringLiteral("up %1,%2")));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&place.window));
    QTest::mousePress(place.pict, Qt::LeftButton, {}, QPoint(36, 20));
    QTest::mouseMove(&place.window, QPoint(50, 750 + 23));
    QTest::mouseMove(&place.window, QPoint(-150, 30 + 23));
    QTest::mouseRelease(&place.window, Qt::LeftButton, {}, QPoint(-150, 30 + 23));
    // The first move is the pointer arriving for the press (the board tracks the mouse).
    EXPECT_EQ(heard, (QStringList{"move 36,20", "move 50,750", "move -150,30", "up -150,30"}));
}

int main(int argc, char* argv[])
{
    // One offscreen screen per ratio, side by side, scaled by Qt as QT_SCALE_FACTOR scales a real
    // screen: windows keep their back store in device pixels.
    QTemporaryDir folder;
    QStringList screens, factors;
    for (const qreal ratio : Ratios) {
        screens << QStringLiteral(R"({"name": "r%1", "x": %2, "y": 0, "width": 2400, "height": 2400})")
                       .arg(ratio)
                       .arg(2400 * screens.size());
        factors << QStringLiteral("r%1=%1").arg(ratio);
    }
    QFile config(folder.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(QStringLiteral(R"({"screens": [%1]})").arg(screens.join(u',')).toUtf8()) < 0)
        return 1;
    config.close();
    setenv("QT_QPA_PLATFORM", qPrintable(QStringLiteral("offscreen:configfile=") + config.fileName()), 1);
    setenv("QT_SCREEN_SCALE_FACTORS", qPrintable(factors.join(u';')), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
