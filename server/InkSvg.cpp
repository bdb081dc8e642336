#include "server/InkSvg.h"

#include "files/InkStrokes.h"

#include <QPoint>

#include <cmath>
#include <optional>

namespace {

// The strokes' paths, in relative moves, leaving out every point nearer than spacing pixels to
// the one kept before it. A stroke of one point is a dot.
QString paths(const InkStrokes& ink, int spacing)
{
    QString text;
    for (const InkStroke& stroke : ink.strokes()) {
        const auto pixel = [](const InkPoint& p) {
            return QPoint(int(std::lround(p.x / double(InkPoint::Scale))),
                          int(std::lround(p.y / double(InkPoint::Scale))));
        };
        QPoint at = pixel(stroke.front());
        text += QStringLiteral("<path d=\"M%1 %2").arg(at.x()).arg(at.y());
        bool moved = false;
        for (const InkPoint& point : stroke) {
            const QPoint next = pixel(point);
            if ((next - at).manhattanLength() < spacing)
                continue;
            text += QStringLiteral("l%1 %2").arg(next.x() - at.x()).arg(next.y() - at.y());
            at = next;
            moved = true;
        }
        text += moved ? QStringLiteral("\"/>") : QStringLiteral("h0\"/>");
    }
    return text;
}

}  // namespace

std::optional<QString> inkSvg(const QString& base64Name, const QString& alternative)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64Name.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    InkStrokes ink;
    if (!decoded || !ink.load(decoded.decoded))
        return std::nullopt;
    const QSize size = ink.surfaceSize();
    const QString head =
        QStringLiteral(
            "<svg class=\"ink\" role=\"img\" aria-label=\"%1\" viewBox=\"0 0 %2 %3\" width=\"%2\" height=\"%3\" "
            "fill=\"none\" stroke=\"currentColor\" stroke-width=\"2\" stroke-linecap=\"round\" "
            "stroke-linejoin=\"round\">")
            .arg(alternative.toHtmlEscaped())
            .arg(size.width())
            .arg(size.height());
    QString strokes;
    for (int spacing = 1; (strokes = paths(ink, spacing)).size() + head.size() + 6 > MaxInkSvgBytes; spacing *= 2) {
    }
    return head + strokes + QStringLiteral("</svg>");
}
