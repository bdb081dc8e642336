#pragma once

#include "core/Board.h"
#include "core/TileCodes.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// What an empty picture shows: the tile pictures and the back buffer before anything is drawn.
inline constexpr QRgb PictureBackColor = 0xFFF0F0F0;

struct TileFile {
    TileCode code;
    const char* file;  // under the program folder's images/
};

// The sixteen tiles in the order they are loaded.
inline constexpr std::array<TileFile, 16> TileTable{{
    {U'@', "alien.gif"},
    {U'b', "blank.gif"},
    {U'j', "dog_left.gif"},
    {U'l', "dog_right.gif"},
    {U'i', "dog_up.gif"},
    {U'm', "dog_down.gif"},
    {U'k', "dog_sit.gif"},
    {U'h', "hole.gif"},
    {U'r', "rock.gif"},
    {U'$', "water.gif"},
    {U'1', "foot_left.gif"},
    {U'2', "foot_right.gif"},
    {U'a', "turtle_left.gif"},
    {U'd', "turtle_right.gif"},
    {U'w', "turtle_up.gif"},
    {U'x', "turtle_down.gif"},
}};

// The sixteen tile pictures, decoded once and kept in the board's drawing format: 34 x 34 pixels,
// opaque 32-bit (Format_RGB32), so that drawing a tile is a plain block copy. A transparent pixel
// shows the picture's back colour, as a picture box would show it.
class TileSet {
public:
    // Every tile the plain back colour: what a picture shows when its file did not load.
    TileSet();

    // Loads the sixteen files under programFolder/images/ in the order of the table. A file that is
    // missing or undecodable leaves its tile plain and its name in missing, if given.
    static TileSet load(const QString& programFolder, QStringList* missing = nullptr);

    // Puts any image in the place of a code's tile, converted to the drawing format; codes
    // without a tile are ignored.
    void setTile(TileCode code, const QImage& image);

    // The tile drawn for a code, or nullptr for a code without one ("t", "A", empty, ...).
    const QImage* tileFor(TileCode code) const
    {
        return code < m_byCode.size() && m_byCode[code] >= 0 ? &m_tiles[m_byCode[code]] : nullptr;
    }

private:
    static std::array<signed char, 128> indexByCode();

    std::array<QImage, TileTable.size()> m_tiles;
    std::array<signed char, 128> m_byCode = indexByCode();
};
