// The handwriting loader on any bytes: it loads a whole ink within its bounds or nothing, and
// an ink it loaded saves back to the very same bytes.

#include "files/InkStrokes.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    InkStrokes ink(QSize(5, 5));
    ink.beginStroke({1, 1}, 0.5);
    const InkStrokes before = ink;
    if (!ink.Load(bytes)) {
        FUZZ_CHECK(ink == before);
        return 0;
    }
    FUZZ_CHECK(ink.Save() == bytes);
    FUZZ_CHECK(ink.pointCount() <= InkStrokes::MaxPoints && int(ink.strokes().size()) <= InkStrokes::MaxStrokes);
    FUZZ_CHECK(ink.surfaceSize().width() <= InkStrokes::MaxSide && ink.surfaceSize().height() <= InkStrokes::MaxSide);
    int points = 0;
    for (const InkStroke& stroke : ink.strokes()) {
        FUZZ_CHECK(!stroke.empty());
        points += int(stroke.size());
        for (const InkPoint& point : stroke)
            FUZZ_CHECK(point.position().x() <= ink.surfaceSize().width() &&
                       point.position().y() <= ink.surfaceSize().height());
    }
    FUZZ_CHECK(points == ink.pointCount());
    return 0;
}
