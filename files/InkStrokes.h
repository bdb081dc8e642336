#pragma once

#include <QByteArray>
#include <QPointF>
#include <QSize>

#include <cstdint>
#include <vector>

// One sample of a pen or mouse: a position on the writing surface in sixteenths of a pixel, and
// the pen's pressure from 0 (none) to 255 (full).
struct InkPoint {
    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::uint8_t pressure = 0;

    QPointF position() const { return {x / double(InkPoint::Scale), y / double(InkPoint::Scale)}; }
    double pressureF() const { return pressure / 255.0; }

    static constexpr int Scale = 16;

    friend bool operator==(const InkPoint&, const InkPoint&) = default;
};

using InkStroke = std::vector<InkPoint>;

// The strokes of a handwritten name, on a surface of a given size in pixels, and their bytes:
//   "PINK", version (uint16), surface width and height in pixels (uint16 each),
//   stroke count (uint16), then for each stroke its point count (uint16) and its points,
//   each x, y (uint16, sixteenths of a pixel) and pressure (uint8).
// All little-endian, nothing after the last point. Counts and sizes are bounded so that bytes
// from anywhere (the score file can be edited by hand) load into a small, drawable ink or not at all.
class InkStrokes {
public:
    static constexpr std::uint16_t Version = 1;
    static constexpr int MaxSide = 2048;  // pixels, either side of the surface (0 allowed)
    static constexpr int MaxStrokes = 512;
    static constexpr int MaxPoints = 16384;  // in all strokes together
    static constexpr std::uint8_t MousePressure = 128;

    InkStrokes() = default;
    explicit InkStrokes(QSize surface);

    QSize surfaceSize() const { return m_surface; }
    const std::vector<InkStroke>& strokes() const { return m_strokes; }
    int pointCount() const { return m_points; }
    bool isEmpty() const { return m_strokes.empty(); }

    // Starts a new stroke at the position (pixels, clamped to the surface), pressure 0 to 1.
    // Returns false, recording nothing, once the ink is full.
    bool beginStroke(QPointF position, double pressure);
    // Adds a point to the stroke begun last (unless it repeats the last point); false when there
    // is no stroke or the ink is full.
    bool extendStroke(QPointF position, double pressure);

    void deleteStrokes();

    QByteArray save() const;
    // Replaces this ink with the one in the bytes; on bytes that are not a whole, valid ink
    // returns false and leaves this ink as it was.
    bool load(const QByteArray& bytes);

    friend bool operator==(const InkStrokes&, const InkStrokes&) = default;

private:
    InkPoint toPoint(QPointF position, double pressure) const;

    QSize m_surface;
    std::vector<InkStroke> m_strokes;
    int m_points = 0;
};
