#include "ui/TileSet.h"
#include "ui/MissingParts.h"

#include "tests/support/TestTiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every file under its own name, written out here rather than read from the tile table, so that a
// swapped entry shows. Each is a PNG under the .gif name (the reader goes by what a file holds),
// 40 x 40 with its tile's colour in the top-left 34 x 34 and a transparent pixel at (5, 5).
TEST(TileSet, EachFileBecomesItsTileAndAMissingOneIsToldAndLeftPlain)
{
    const std::pair<const char*, TileCode> files[] = {
        {"alien.gif", Tile::Alien},           {"blank.gif", Tile::Blank},
        {"dog_left.gif", Tile::DogLeft},      {"dog_right.gif", Tile::DogRight},
        {"dog_up.gif", Tile::DogUp},          {"dog_down.gif", Tile::DogDown},
        {"dog_sit.gif", Tile::DogSit},        {"rock.gif", Tile::Rock},
        {"water.gif", Tile::Water},           {"foot_left.gif", Tile::FootLeft},
        {"foot_right.gif", Tile::FootRight},  {"turtle_left.gif", Tile::TurtleLeft},
        {"turtle_up.gif", Tile::TurtleUp},    {"turtle_right.gif", Tile::TurtleRight},
        {"turtle_down.gif", Tile::TurtleDown}};  // and no hole.gif
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("images")));
    const QString images = folder.filePath(QStringLiteral("images"));
    for (const auto& [file, code] : files) {
        QImage image(34, 34, QImage::Format_ARGB32);
        image.fill(testTileColour(code));
        image.setPixel(5, 5, qRgba(0, 0, 0, 0));
        ASSERT_TRUE(image.copy(0, 0, 40, 40).save(images + u'/' + QLatin1String(file), "PNG"));  // transparent margin
    }
    QStringList missing;
    const TileSet tiles = TileSet::load(folder.path(), &missing);
    EXPECT_EQ(tiles.tileFor(Tile::Hole)->pixel(20, 20), PictureBackColor);
    for (const auto& [file, code] : files) {
        ASSERT_NE(tiles.tileFor(code), nullptr) << file;
        EXPECT_EQ(tiles.tileFor(code)->pixel(33, 33), testTileColour(code)) << file;  // the block, not scaled
        EXPECT_EQ(tiles.tileFor(code)->pixel(5, 5), PictureBackColor) << file;
    }
    // The one line said on stderr: for some files missing, and for nothing (a whole folder missing is
    // told by the game's smoke run).
    EXPECT_EQ(missingPartsLine(images, missing, QStringLiteral("all plain"), QStringLiteral("those plain")),
              QStringLiteral("Pondrake: missing or unreadable in %1: hole.gif; those plain.").arg(images));
    EXPECT_EQ(missingPartsLine(images, {}, QStringLiteral("all plain"), QStringLiteral("those plain")), QString());
}
