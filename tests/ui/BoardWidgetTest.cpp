// The board picture on screens of 0.75, 1, 1.25, 1.5, 2, 2.5 and 3 device pixels per point: the
// test's own main gives the offscreen platform one screen of each ratio.
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

// A window on the screen of that ratio with the picture on its first device pixel.
struct PictureWindow {
    QWidget window;
    BoardPicture* pict = new BoardPicture(&window);

    explicit PictureWindow(qreal ratio)
    {
        QScreen* screen = screenOfRatio(ratio);
        window.setScreen(screen);
        window.move(screen->geometry().topLeft() + QPoint(30, 30));
        pict->setTiles(testTiles());
        window.resize(700, 720);
        window.show();
    }
};

QImage shown(BoardPicture& pict) { return pict.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// How many pixels two pictures of one size differ in; -1 for pictures of two sizes.
int differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// Shaded tiles, so that a tile scaled wrongly or drawn a device pixel off shows.
TileSet shadedTiles(int shade)
{
    TileSet tiles;
    for (const TileFile& entry : TileTable) {
        QImage image(CellPixels, CellPixels, QImage::Format_RGB32);
        for (int y = 0; y < CellPixels; ++y)
            for (int x = 0; x < CellPixels; ++x)
                image.setPixel(x, y, qRgb(int(entry.code), shade * x % 256, 7 * y));
        tiles.setTile(entry.code, image);
    }
    return tiles;
}

}  // namespace

// Single board pixels after each redraw of one story: a rock at (3, 5), and three rocks in row 0
// that turn into codes without a tile, which keep what the back buffer held there.
TEST(BoardPicture, TilesAndTheOverlaysCoverExactlyTheirPixels)
{
    const QRgb rock = testTileColour(Tile::Rock), blank = testTileColour(Tile::Blank), back = PictureBackColor,
               blue = qRgb(0, 0, 255);
    const Board noTiles = boardFromRows({"?tA", "", "", "", "bbbb?", "bbbr"});
    BoardPicture pict;
    pict.setTiles(testTiles());
    // The pixels at x0, y0, x1, y1, ... all of one colour.
    const auto expect = [&](const char* what, QRgb colour, std::initializer_list<int> xy) {
        for (auto at = xy.begin(); at + 1 < xy.end(); at += 2)
            EXPECT_EQ(pict.surface().pixel(at[0], at[1]), colour) << what << ", at " << at[0] << "," << at[1];
    };
    pict.drawGrid(boardFromRows({"rrr", "", "", "", "bbbb?", "bbbr"}), {}, {});
    expect("the rock's 34 x 34 pixels", rock, {102, 170, 135, 203});
    expect("beside the rock", blank, {101, 170, 136, 170, 102, 169, 102, 204});
    expect("a cell without a tile, the margin", back, {153, 153, 681, 683});
    pict.drawGrid(noTiles, {true, 2, 3}, {80, 110, 80, 110});
    expect("the box of (2, 3): both edges on the line", blue, {68, 102, 102, 136, 85, 102, 68, 120, 102, 120, 85, 136});
    expect("the inside and outside of the box", blank, {85, 120, 67, 120, 103, 120});
    expect("row 0 keeps its rocks", rock, {17, 17, 85, 17});
    pict.drawGrid(noTiles, {true, 19, 19}, {17, 30, 3000, 30});
    expect("the box of 19, 19 has its edge on 680; the line runs beyond", blue,
           {680, 650, 650, 680, 646, 650, 300, 30, 681, 30});
    expect("beyond the box", back, {681, 650, 650, 681});
    expect("under the line", blank, {300, 31});
    pict.drawGrid(noTiles, {false, 19, 19}, {17, 30, 3000, 30});
    expect("without a selection no overlay is left, on the margin neither", back, {680, 650, 681, 30});
    expect("nor on the board", blank, {300, 30});
    // The keyboard's cursor frames its cell, whose tile shows through inside the frame.
    pict.setTiles(shadedTiles(7));
    pict.drawGrid(noTiles, {}, {}, CellIndex{1, 1});
    EXPECT_NE(pict.surface().pixel(35, 35), pict.backBuffer().pixel(35, 35));
    EXPECT_EQ(pict.surface().copy(40, 40, 22, 22), pict.backBuffer().copy(40, 40, 22, 22));
}

// At every ratio the picture takes its 682 x 684 points, and after each redraw the window on the
// screen shows the whole new picture (the screen repaints what changed, and at a fractional ratio
// only that is scaled again): the surface in device pixels as SharpScaler makes it, exact squares
// at a whole ratio; at 1.5 and 2.5 also where cells are drawn from their tiles scaled alone.
TEST(BoardPicture, EachRedrawLeavesTheWholeNewPictureScaledOnTheScreenAtEveryRatio)
{
    const Board board = boardFromText("r@bbx/3:..w$$$$h/7:1122ajklmik/19:xxxxxxx$$$$hhhhhhhhr");
    const Board moved = boardFromText(".r@bx/3:...w$$$h/7:1122ajklmik");
    for (const qreal ratio : Ratios) {
        SCOPED_TRACE(ratio);
        PictureWindow still(ratio);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&still.window));
        ASSERT_EQ(still.pict->devicePixelRatioF(), ratio);
        EXPECT_EQ(still.pict->size(), QSize(682, 684));
        const auto expectOnScreen = [&](const char* what) {
            QCoreApplication::processEvents();
            // The window's back store: the device pixels the window system is given.
            const auto* stored = dynamic_cast<const QImage*>(still.window.backingStore()->paintDevice());
            ASSERT_NE(stored, nullptr);
            const QImage whole = shown(*still.pict);  // the picture painted afresh
            EXPECT_EQ(differing(stored->convertToFormat(QImage::Format_RGB32).copy(whole.rect()), whole), 0) << what;
            EXPECT_EQ(differing(whole, SharpScaler().scaled(still.pict->surface(), ratio, {})), 0) << what;
        };
        still.pict->setTiles(shadedTiles(7));
        still.pict->drawGrid(board, {true, 19, 3}, {663, 119, 100, 650});
        expectOnScreen("a box on the board's edge, a line across the board and beyond");
        still.pict->drawGrid(board, {true, 7, 4}, {241, 153, 232, 398});
        expectOnScreen("a steep line");
        still.pict->drawGrid(board, {true, 5, 17}, {-22, 611, 767, 613});
        expectOnScreen("a flat line along the edge of a row, some of its pixels in the row above");
        still.pict->drawGrid(moved, {}, {});
        expectOnScreen("creatures moved, box and line gone");
        still.pict->drawPaused();
        expectOnScreen("paused");
        still.pict->drawGrid(moved, {true, 5, 5}, {187, 187, 250, 170});
        expectOnScreen("going on: a short line beyond the box");
        still.pict->setTiles(shadedTiles(11));
        still.pict->drawGrid(moved, {}, {});
        expectOnScreen("the same board in new tiles");
    }
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
