#include "ui/TileSet.h"

#include "tests/support/TestTiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program folder whose images/ holds every tile of the table as a plain colour (a PNG under
// the .gif name: the reader goes by what a file holds), except the files left out.
class TileFolder : public ::testing::Test {
protected:
    void write(const std::vector<std::string>& leftOut = {})
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir(QStringLiteral("images"));
        for (const TileFile& entry : TileTable) {
            if (std::find(leftOut.begin(), leftOut.end(), entry.file) != leftOut.end())
                continue;
            QImage image(34, 34, QImage::Format_RGB32);
            image.fill(testTileColour(entry.code));
            ASSERT_TRUE(image.save(pathOf(entry.file), "PNG"));
        }
    }
    QString pathOf(const char* file) const { return folder.filePath(QStringLiteral("images/")) + QLatin1String(file); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(TileFolder, EveryCodeOfTheTableGetsTheImageOfItsFile)
{
    write();
    QStringList missing;
    const TileSet tiles = TileSet::load(folder.path(), &missing);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
    for (const TileFile& entry : TileTable) {
        const QImage* tile = tiles.tileFor(entry.code);
        ASSERT_NE(tile, nullptr) << entry.file;
        EXPECT_EQ(tile->format(), QImage::Format_RGB32);
        EXPECT_EQ(tile->size(), QSize(34, 34));
        EXPECT_EQ(tile->pixel(20, 20), testTileColour(entry.code)) << entry.file;
    }
}

TEST_F(TileFolder, AMissingFileIsNamedAndItsTileStaysPlain)
{
    write({"hole.gif"});
    QStringList missing;
    const TileSet tiles = TileSet::load(folder.path(), &missing);
    EXPECT_EQ(missing, QStringList{pathOf("hole.gif")});
    EXPECT_EQ(tiles.tileFor(Tile::Hole)->pixel(5, 5), PictureBackColor);
}

TEST_F(TileFolder, OnlyTheTopLeftBlockIsUsedAndTransparencyShowsTheBackColour)
{
    TileSet tiles;
    QImage big(50, 40, QImage::Format_ARGB32);
    big.fill(qRgb(200, 0, 0));
    big.setPixel(40, 10, qRgb(0, 200, 0));
    tiles.setTile(Tile::Rock, big);
    EXPECT_EQ(tiles.tileFor(Tile::Rock)->size(), QSize(34, 34));
    EXPECT_EQ(tiles.tileFor(Tile::Rock)->pixel(33, 10), qRgb(200, 0, 0));

    QImage small(20, 20, QImage::Format_ARGB32);
    small.fill(Qt::transparent);
    small.setPixel(1, 1, qRgb(0, 0, 200));
    tiles.setTile(Tile::Alien, small);
    EXPECT_EQ(tiles.tileFor(Tile::Alien)->pixel(1, 1), qRgb(0, 0, 200));
    EXPECT_EQ(tiles.tileFor(Tile::Alien)->pixel(5, 5), PictureBackColor);
    EXPECT_EQ(tiles.tileFor(Tile::Alien)->pixel(30, 30), PictureBackColor);
}
