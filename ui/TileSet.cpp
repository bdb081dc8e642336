#include "ui/TileSet.h"

#include <QImageReader>
#include <QPainter>

namespace {

QImage plainTile()
{
    QImage tile(CellPixels, CellPixels, QImage::Format_RGB32);
    tile.fill(PictureBackColor);
    return tile;
}

}  // namespace

std::array<signed char, 128> TileSet::indexByCode()
{
    std::array<signed char, 128> byCode{};
    byCode.fill(-1);
    for (std::size_t i = 0; i < TileTable.size(); ++i)
        byCode[TileTable[i].code] = static_cast<signed char>(i);
    return byCode;
}

TileSet::TileSet()
{
    for (QImage& tile : m_tiles)
        tile = plainTile();
}

void TileSet::setTile(TileCode code, const QImage& image)
{
    if (code >= m_byCode.size() || m_byCode[code] < 0)
        return;
    // The image's top-left 34 x 34 block over the back colour, converted once: drawing RGB32
    // onto RGB32 is a row copy, where ARGB32 or indexed pixels would be converted on every draw.
    QImage tile = plainTile();
    QPainter painter(&tile);
    painter.drawImage(0, 0, image);
    painter.end();
    m_tiles[m_byCode[code]] = tile;
}

TileSet TileSet::load(const QString& programFolder, QStringList* missing)
{
    TileSet tiles;
    for (const TileFile& entry : TileTable) {
        const QString path = programFolder + QStringLiteral("/images/") + QLatin1String(entry.file);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);  // a picture is what it holds, not what it is called
        const QImage image = reader.read();
        if (image.isNull()) {
            if (missing)
                missing->append(path);
            continue;
        }
        tiles.setTile(entry.code, image);
    }
    return tiles;
}
