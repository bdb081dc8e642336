#pragma once

// A tile set made in memory: every tile one plain colour of its own, so a pixel tells which tile
// was drawn where. No test depends on the game's own art.

#include "ui/TileSet.h"

// The colour comes from the code itself, not from the tile table that the tests check.
inline QRgb testTileColour(TileCode code) { return qRgb(int(code), 255 - int(code), 90); }

inline TileSet testTiles()
{
    TileSet tiles;
    for (const TileFile& entry : TileTable) {
        QImage image(CellPixels, CellPixels, QImage::Format_RGB32);
        image.fill(testTileColour(entry.code));
        tiles.setTile(entry.code, image);
    }
    return tiles;
}
