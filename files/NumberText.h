#pragma once

#include "core/Int16.h"

#include <QStringView>

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
