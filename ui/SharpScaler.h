#pragma once

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
};
