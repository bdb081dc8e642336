#pragma once

// A tile set made in memory: every tile one plain colour of its own, so a pixel tells which tile
// was drawn where. No test depends on the game's own art.

#include "ui/TileSet.h"

#include <QColor>
#include <QImage>

inline QRgb testTileColour(TileCode code)
{
    for (std::size_t i = 0; i < TileTable.size(); ++i)
        if (TileTable[i].code == code)
            return qRgb(int(20 + 13 * i), int(230 - 11 * i), int(40 + 7 * i));
    return qRgb(0, 0, 0);
}

inline TileSet testTiles()
{
    TileSet tiles;
    for (const TileFile& entry : TileTable) {
        QImage image(34, 34, QImage::Format_ARGB32);
        image.fill(testTileColour(entry.code));
        tiles.setTile(entry.code, image);
    }
    return tiles;
}
