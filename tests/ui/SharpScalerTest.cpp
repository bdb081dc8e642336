#include "ui/SharpScaler.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using GreyRows = std::vector<std::vector<int>>;

QImage greyPicture(const GreyRows& rows)
{
    QImage picture(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(rows[y][x], rows[y][x], rows[y][x]));
    return picture;
}

GreyRows greyRowsOf(const QImage& picture)
{
    GreyRows rows(picture.height(), std::vector<int>(picture.width()));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            rows[y][x] = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) ? qRed(pixel) : -1;
        }
    return rows;
}

}  // namespace

// Each device pixel is the area average of the picture pixels it covers, worked out by hand. At
// 1.5 two pixels make three: the middle one halves them. At 1.25 four make five; three pixels make
// 3.75, and the last device pixel, partly beyond the picture, is its last pixel.
TEST(SharpScaler, EachDevicePixelIsTheAverageOfWhatItCovers)
{
    const struct {
        qreal ratio;
        GreyRows picture, device;
    } cases[] = {
        {1.5,
         {{0, 200, 100, 40}, {80, 80, 80, 80}},
         {{0, 100, 200, 100, 70, 40}, {40, 90, 140, 90, 75, 60}, {80, 80, 80, 80, 80, 80}}},
        {1.25, {{0, 200, 100, 40}}, {{0, 150, 150, 85, 40}, {0, 150, 150, 85, 40}}},
        {1.25, {{0, 200, 100}}, {{0, 150, 150, 100}, {0, 150, 150, 100}}},
        {2.5, {{0, 250}}, {{0, 0, 125, 250, 250}, {0, 0, 125, 250, 250}, {0, 0, 125, 250, 250}}},
    };
    for (const auto& [ratio, picture, device] : cases) {
        SharpScaler scaler;
        EXPECT_EQ(greyRowsOf(scaler.scaled(greyPicture(picture), ratio, {})), device) << ratio;
    }
}

// A new ratio is scaled afresh, even one whose picture has the same number of device pixels (1.45
// as 1.5); a tile alone is scaled as a picture of its own, again at a new ratio and with new pixels.
TEST(SharpScaler, ScalesAgainAtANewRatioAndATileAloneAlsoWithNewPixels)
{
    QImage tile = greyPicture({{0, 200, 100, 40}, {80, 10, 80, 10}});
    SharpScaler scaler;
    for (const qreal ratio : {1.5, 1.45, 2.5}) {
        const GreyRows afresh = greyRowsOf(SharpScaler().scaled(tile, ratio, {}));
        EXPECT_EQ(greyRowsOf(scaler.scaled(tile, ratio, {})), afresh) << ratio;
        EXPECT_EQ(greyRowsOf(scaler.deviceTile(tile, ratio)), afresh) << ratio;
    }
    tile.setPixel(0, 0, qRgb(250, 250, 250));
    EXPECT_EQ(greyRowsOf(scaler.deviceTile(tile, 2.5)), greyRowsOf(SharpScaler().scaled(tile, 2.5, {})));
}
