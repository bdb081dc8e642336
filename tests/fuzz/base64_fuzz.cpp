// The Base64 codec on any text and any bytes: decoding never yields more than the text can hold,
// and every byte array comes back from its own encoding.

#include "files/Base64.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // As the score file hands it over (one character per byte), and as any Unicode text.
    for (const QString& text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes)})
        FUZZ_CHECK(Base64::decode(text).size() <= (text.size() + 3) / 4 * 3);
    FUZZ_CHECK(Base64::decode(Base64::encode(bytes)) == bytes);
    return 0;
}
