#pragma once

#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

// A picture in device pixels for a screen whose ratio is not a whole number (1.25, 1.5).
// A device pixel takes the picture's pixels it covers, each by the share of the device pixel it
// covers: the picture drawn nearest neighbour at a whole step above the ratio and scaled down with
// an area filter, without that large intermediate picture. A device pixel inside one picture pixel
// is that pixel's colour exactly; one on an edge mixes only the two pixels either side of it, so
// tiles stay as sharp as the screen allows, never blurred as a smooth scale-up would blur them.
//
// Only what changed is scaled again: a redraw in which a few creatures moved costs little more
// than the drawing at one device pixel per point.
class SharpScaler {
public:
    // The source in device pixels for a screen of ratio device pixels per point: the source's size
    // times ratio, rounded up, with a device pixel ratio of 1. Scaled again where the source
    // changed since the last call, wholly for a new ratio or size.
    const QImage& scaled(const QImage& source, qreal ratio, const QRegion& changed);

    static QSize deviceSize(QSize picture, qreal ratio);
    // The device pixels that show some of rect, a rectangle of the picture's pixels.
    static QRect deviceRect(const QRect& rect, qreal ratio);

    // Whether square cells of cellPixels, laid from the picture's corner, have every edge on a
    // device pixel edge at ratio (34 pixels at 1, 1.5, 2 or 2.5, not at 1.25): then the device
    // pixels of a cell depend on its own pixels alone, and a cell that shows a tile shows
    // deviceTile's.
    static bool keepsCellsApart(int cellPixels, qreal ratio);
    // The tile alone in device pixels, scaled the first time it is asked for at this ratio. Kept
    // by where the tile is kept: as many as the caller has places for tiles.
    const QImage& deviceTile(const QImage& tile, qreal ratio);

private:
    // A device pixel's column (or row) takes first, and first + 1 by weight 256ths.
    struct Tap {
        int first;
        unsigned weight;
    };
    static std::vector<Tap> taps(int sourceLength, int deviceLength, qreal ratio);
    void scaleAll(const QImage& source, qreal ratio);
    void scaleRect(const QImage& source, const QRect& rect);

    qreal m_ratio = 0;
    QImage m_scaled;
    std::vector<Tap> m_cols, m_rows;
    std::vector<QRgb> m_across;  // one source row scaled across, reused

    struct DeviceTile {
        qint64 key;  // the tile's cache key when scaled: other pixels in the same place scale anew
        QImage device;
    };
    qreal m_tileRatio = 0;
    QHash<const QImage*, DeviceTile> m_tiles;
};
