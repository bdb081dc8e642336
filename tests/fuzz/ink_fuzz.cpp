// The handwriting loader on any bytes: it loads a whole ink within its bounds or nothing, and an ink
// it loaded saves back to the very same bytes.

#include "files/InkStrokes.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    InkStrokes ink(QSize(5, 5));
    ink.beginStroke({1, 1}, 0.5);
    const InkStrokes before = ink;
    const bool loaded = ink.load(bytes);
    FUZZ_CHECK(loaded ? ink.save() == bytes && ink.pointCount() <= InkStrokes::MaxPoints : ink == before);
    FUZZ_CHECK(ink.surfaceSize().width() <= InkStrokes::MaxSide && ink.surfaceSize().height() <= InkStrokes::MaxSide);
    return 0;
}
