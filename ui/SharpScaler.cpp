#include "ui/SharpScaler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// a and b mixed, b by w 256ths; two channels at a time in one 32-bit word, each in 16 bits.
inline QRgb mix(QRgb a, QRgb b, unsigned w)
{
    const unsigned keep = 256 - w;
    const unsigned rb = ((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * w + 0x800080u) >> 8 & 0xFF00FFu;
    const unsigned ag = (((a >> 8) & 0xFF00FFu) * keep + ((b >> 8) & 0xFF00FFu) * w + 0x800080u) & 0xFF00FF00u;
    return rb | ag;
}

// Two pixels mixed as mix() does, in one 64-bit word of four 16-bit lanes per channel pair.
inline std::uint64_t mixPair(std::uint64_t a, std::uint64_t b, unsigned w)
{
    constexpr std::uint64_t Lanes = 0x00FF00FF00FF00FFu, Half = 0x0080008000800080u;
    const unsigned keep = 256 - w;
    const std::uint64_t low = ((a & Lanes) * keep + (b & Lanes) * w + Half) >> 8 & Lanes;
    const std::uint64_t high = (((a >> 8) & Lanes) * keep + ((b >> 8) & Lanes) * w + Half) & ~Lanes;
    return low | high;
}

// out = upper and lower mixed, lower by w 256ths, two pixels at a time.
void mixRows(const QRgb* upper, const QRgb* lower, QRgb* out, std::size_t width, unsigned w)
{
    std::size_t x = 0;
    for (; x + 2 <= width; x += 2) {
        std::uint64_t a, b;
        std::memcpy(&a, upper + x, sizeof a);
        std::memcpy(&b, lower + x, sizeof b);
        const std::uint64_t mixed = mixPair(a, b, w);
        std::memcpy(out + x, &mixed, sizeof mixed);
    }
    if (x < width)
        out[x] = mix(upper[x], lower[x], w);
}

}  // namespace

QSize SharpScaler::deviceSize(QSize picture, qreal ratio)
{
    return QSize(static_cast<int>(std::ceil(picture.width() * ratio - 1e-6)),
                 static_cast<int>(std::ceil(picture.height() * ratio - 1e-6)));
}

QRect SharpScaler::deviceRect(const QRect& rect, qreal ratio)
{
    return QRect(
        QPoint(static_cast<int>(std::floor(rect.left() * ratio)), static_cast<int>(std::floor(rect.top() * ratio))),
        QPoint(static_cast<int>(std::ceil((rect.right() + 1) * ratio)) - 1,
               static_cast<int>(std::ceil((rect.bottom() + 1) * ratio)) - 1));
}

bool SharpScaler::keepsCellsApart(int cellPixels, qreal ratio)
{
    const qreal side = cellPixels * ratio;
    return ratio >= 1 && side == std::floor(side);
}

const QImage& SharpScaler::deviceTile(const QImage& tile, qreal ratio)
{
    if (ratio != m_tileRatio) {
        m_tiles.clear();
        m_tileRatio = ratio;
    }
    DeviceTile& scaled = m_tiles[&tile];
    if (scaled.device.isNull() || scaled.key != tile.cacheKey())
        scaled = {tile.cacheKey(), SharpScaler().scaled(tile, ratio, {})};
    return scaled.device;
}

const QImage& SharpScaler::scaled(const QImage& source, qreal ratio, const QRegion& changed)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);  // shares the pixels if already so
    if (ratio < 1) {
        // A device pixel covers several picture pixels: Qt's smooth scale-down is an area filter.
        m_scaled = rgb.scaled(deviceSize(rgb.size(), ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else if (ratio != m_ratio || m_scaled.size() != deviceSize(rgb.size(), ratio)) {
        scaleAll(rgb, ratio);
    } else {
        for (const QRect& rect : changed)
            scaleRect(rgb, rect & rgb.rect());
    }
    return m_scaled;
}

std::vector<SharpScaler::Tap> SharpScaler::taps(int sourceLength, int deviceLength, qreal ratio)
{
    std::vector<Tap> taps;
    taps.reserve(static_cast<std::size_t>(deviceLength));
    for (int d = 0; d < deviceLength; ++d) {
        // Device pixel d covers [d, d + 1) / ratio of the picture: one or two of its pixels, as the
        // ratio is above 1. The share beyond first's far edge goes to first + 1; the last pixel,
        // partly beyond the picture's edge, is all first.
        const int first = static_cast<int>(std::floor(d / ratio));  // below sourceLength: d < sourceLength * ratio
        const qreal beyond = first + 1 < sourceLength ? std::max(0.0, (d + 1) - (first + 1) * ratio) : 0.0;
        taps.push_back({first, static_cast<unsigned>(std::lround(beyond * 256))});
    }
    return taps;
}

void SharpScaler::scaleAll(const QImage& source, qreal ratio)
{
    const QSize size = deviceSize(source.size(), ratio);
    m_ratio = ratio;
    m_cols = taps(source.width(), size.width(), ratio);
    m_rows = taps(source.height(), size.height(), ratio);
    m_scaled = QImage(size, QImage::Format_RGB32);
    scaleRect(source, source.rect());
}

void SharpScaler::scaleRect(const QImage& source, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    // Every device pixel that covers some of the rectangle, from the whole source: an edge pixel
    // also takes the unchanged neighbour across the rectangle's edge.
    const QRect pixels = deviceRect(rect, m_ratio) & m_scaled.rect();
    const int left = pixels.left(), right = pixels.right() + 1, top = pixels.top(), bottom = pixels.bottom() + 1;
    const std::size_t width = static_cast<std::size_t>(std::max(0, right - left));

    // Source rows scaled across once each, into two rows that take turns as the upper one.
    m_across.resize(2 * width);
    QRgb* upper = m_across.data();
    QRgb* lower = upper + width;
    int upperRow = -1, lowerRow = -1;
    const auto across = [&](int sourceRow, QRgb* into) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(sourceRow));
        for (int x = left; x < right; ++x) {
            const Tap col = m_cols[static_cast<std::size_t>(x)];
            into[x - left] = col.weight ? mix(line[col.first], line[col.first + 1], col.weight) : line[col.first];
        }
    };
    for (int y = top; y < bottom; ++y) {
        const Tap row = m_rows[static_cast<std::size_t>(y)];
        if (upperRow != row.first) {
            if (lowerRow == row.first) {
                std::swap(upper, lower);
                std::swap(upperRow, lowerRow);
            } else {
                across(row.first, upper);
                upperRow = row.first;
            }
        }
        auto* out = reinterpret_cast<QRgb*>(m_scaled.scanLine(y)) + left;
        if (row.weight == 0) {
            std::memcpy(out, upper, width * sizeof(QRgb));
            continue;
        }
        if (lowerRow != row.first + 1) {
            across(row.first + 1, lower);
            lowerRow = row.first + 1;
        }
        mixRows(upper, lower, out, width, row.weight);
    }
}
