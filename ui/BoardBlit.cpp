#include "ui/BoardBlit.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace BoardBlit {

void blitTile(const QImage& source, QImage& destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height)
{
    // Clip to the source (read from its origin) and to the destination.
    std::int64_t srcX = 0, srcY = 0, dstX = x, dstY = y;
    std::int64_t w = std::min<std::int64_t>(width, source.width());
    std::int64_t h = std::min<std::int64_t>(height, source.height());
    if (dstX < 0) {
        srcX -= dstX;
        w += dstX;
        dstX = 0;
    }
    if (dstY < 0) {
        srcY -= dstY;
        h += dstY;
        dstY = 0;
    }
    w = std::min<std::int64_t>(w, destination.width() - dstX);
    h = std::min<std::int64_t>(h, destination.height() - dstY);
    if (w <= 0 || h <= 0)
        return;

    if (source.format() != QImage::Format_RGB32 || destination.format() != QImage::Format_RGB32) {
        // Not the drawing format of the board: still a plain copy, only slower.
        QPainter painter(&destination);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(int(dstX), int(dstY)), source, QRect(int(srcX), int(srcY), int(w), int(h)));
        return;
    }
    const qsizetype srcStride = source.bytesPerLine();
    const qsizetype dstStride = destination.bytesPerLine();
    const uchar* from = source.constBits() + srcY * srcStride + srcX * 4;
    uchar* to = destination.bits() + dstY * dstStride + dstX * 4;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 4;
    for (std::int64_t row = 0; row < h; ++row, from += srcStride, to += dstStride)
        std::memcpy(to, from, rowBytes);
}

}  // namespace BoardBlit
