#pragma once

#include "core/Int16.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <charconv>
#include <cstdint>
#include <optional>

// Numbers typed by people or read from text files.

// The decimal number at the start of the text, after any leading blanks: an optional sign, digits,
// an optional fraction and an optional exponent ("250ms" gives 250, "1e3" gives 1000).
// Text that does not start with a number gives 0.
double leadingNumber(QStringView text);

// leadingNumber rounded half to even; nothing when the result lies outside -32768 to 32767.
std::optional<Int16> leadingInt16(QStringView text);

// Numbers on lines of their own, as in the score file: the whole text must be one decimal number
// (blanks around it allowed), which is rounded half to even and must fit the type. Anything else,
// the empty text included, gives nothing.
std::optional<Int16> strictInt16(QStringView text);
std::optional<std::int32_t> strictInt32(QStringView text);

// Numbers that a program wrote, read back exactly.

// The text is one whole number in decimal, nothing before or after it, no plus sign, and it fits the type.
template <typename Number>
std::optional<Number> wholeNumber(QByteArrayView text)
{
    Number value{};
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value);
    if (error != std::errc() || stop != end || text.startsWith('+'))
        return std::nullopt;
    return value;
}

// A float as a hexadecimal floating-point number, which reads back bit for bit; hexFloat takes
// only finite numbers written so, the exponent included.
QByteArray hexFloatText(float value);
std::optional<float> hexFloat(QByteArrayView text);
