#include "files/InkStrokes.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace {

constexpr char Magic[4] = {'P', 'I', 'N', 'K'};
constexpr qsizetype HeaderBytes = 4 + 2 * 4;
constexpr qsizetype PointBytes = 5;
constexpr qsizetype MaxBytes = HeaderBytes + 2 * InkStrokes::MaxStrokes + PointBytes * InkStrokes::MaxPoints;

int clampSide(int side) { return std::clamp(side, 0, InkStrokes::MaxSide); }

std::uint16_t toUnits(double pixels, int side)
{
    const double units = std::round(pixels * InkPoint::Scale);
    // NaN from a broken device would survive std::clamp; it becomes 0.
    return static_cast<std::uint16_t>(std::isnan(units) ? 0.0 : std::clamp(units, 0.0, double(side * InkPoint::Scale)));
}

}  // namespace

InkStrokes::InkStrokes(QSize surface) : m_surface(clampSide(surface.width()), clampSide(surface.height())) {}

InkPoint InkStrokes::toPoint(QPointF position, double pressure) const
{
    const double level = std::isnan(pressure) ? 0.0 : std::clamp(pressure, 0.0, 1.0);
    return {toUnits(position.x(), m_surface.width()), toUnits(position.y(), m_surface.height()),
            static_cast<std::uint8_t>(std::lround(level * 255))};
}

bool InkStrokes::beginStroke(QPointF position, double pressure)
{
    if (m_points >= MaxPoints || int(m_strokes.size()) >= MaxStrokes)
        return false;
    m_strokes.push_back({toPoint(position, pressure)});
    ++m_points;
    return true;
}

bool InkStrokes::extendStroke(QPointF position, double pressure)
{
    if (m_strokes.empty())
        return false;
    const InkPoint point = toPoint(position, pressure);
    if (point == m_strokes.back().back())  // a pen resting in place adds nothing to the line
        return true;
    if (m_points >= MaxPoints)
        return false;
    m_strokes.back().push_back(point);
    ++m_points;
    return true;
}

void InkStrokes::deleteStrokes()
{
    m_strokes.clear();
    m_points = 0;
}

QByteArray InkStrokes::save() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData(Magic, sizeof Magic);
    out << Version << quint16(m_surface.width()) << quint16(m_surface.height()) << quint16(m_strokes.size());
    for (const InkStroke& stroke : m_strokes) {
        out << quint16(stroke.size());
        for (const InkPoint& point : stroke)
            out << point.x << point.y << point.pressure;
    }
    return bytes;
}

bool InkStrokes::load(const QByteArray& bytes)
{
    if (bytes.size() < HeaderBytes || bytes.size() > MaxBytes || !bytes.startsWith(QByteArrayView(Magic, sizeof Magic)))
        return false;
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(sizeof Magic);
    quint16 version = 0, width = 0, height = 0, strokeCount = 0;
    in >> version >> width >> height >> strokeCount;
    if (version != Version || width > MaxSide || height > MaxSide || strokeCount > MaxStrokes)
        return false;

    InkStrokes ink(QSize(width, height));
    const int maxX = width * InkPoint::Scale;
    const int maxY = height * InkPoint::Scale;
    for (int s = 0; s < strokeCount; ++s) {
        quint16 pointCount = 0;
        in >> pointCount;
        if (in.status() != QDataStream::Ok || pointCount == 0 || ink.m_points + pointCount > MaxPoints)
            return false;
        InkStroke stroke(pointCount);
        for (InkPoint& point : stroke) {
            in >> point.x >> point.y >> point.pressure;
            if (point.x > maxX || point.y > maxY)
                return false;
        }
        if (in.status() != QDataStream::Ok)
            return false;
        ink.m_points += pointCount;
        ink.m_strokes.push_back(std::move(stroke));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;
    *this = std::move(ink);
    return true;
}
