#include "files/NumberText.h"

#include <array>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The decimal number at the start of the text, after any leading blanks. `end` becomes the index
// just past the number, or 0 when the text does not start with one (the result is then 0).
double parseLeadingNumber(QStringView text, qsizetype& end)
{
    end = 0;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    // The longest prefix that is a plain decimal number. Only that prefix is converted, so words
    // such as "inf", "nan" or hexadecimal forms never count as numbers.
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::string number;
    int integerDigits = 0;  // significant digits before the point
    int leadingZeros = 0;   // zeros right after the point, before the first significant digit
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        if (integerDigits > 0 || text[i] != u'0')
            ++integerDigits;
        number += static_cast<char>(text[i++].unicode());
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        bool significant = integerDigits > 0;
        while (i < text.size() && isDigit(text[i])) {
            significant = significant || text[i] != u'0';
            if (!significant)
                ++leadingZeros;
            number += static_cast<char>(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    end = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string expText;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            expText += static_cast<char>(text[j++].unicode());
        while (j < text.size() && isDigit(text[j]) && expText.size() < 12)
            expText += static_cast<char>(text[j++].unicode());
        if (!expText.empty() && isDigit(QChar(expText.back()))) {
            number += 'e' + expText;
            exponent = std::stoll(expText);
            end = j;
        }
    }

    // from_chars is independent of the process locale, which Qt sets from the environment.
    double value = 0.0;
    [[maybe_unused]] const auto [converted, error] =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond what a double holds: the decimal magnitude tells huge from tiny.
        const long long magnitude = (integerDigits > 0 ? integerDigits : -leadingZeros) + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

// The number that the whole text is, blanks around it allowed, rounded half to even; nothing for
// text that holds anything else or a value outside [min, max].
std::optional<double> strictWhole(QStringView text, double min, double max)
{
    qsizetype last = text.size();
    while (last > 0 && isBlank(text[last - 1]))
        --last;
    text = text.first(last);
    qsizetype end = 0;
    const double rounded = roundHalfEven(parseLeadingNumber(text, end));
    if (end == 0 || end != text.size() || !(rounded >= min && rounded <= max))
        return std::nullopt;
    return rounded;
}

}  // namespace

double leadingNumber(QStringView text)
{
    qsizetype end = 0;
    return parseLeadingNumber(text, end);
}

std::optional<Int16> strictInt16(QStringView text)
{
    const auto value = strictWhole(text, std::numeric_limits<Int16>::min(), std::numeric_limits<Int16>::max());
    return value ? std::optional<Int16>(static_cast<Int16>(*value)) : std::nullopt;
}

std::optional<std::int32_t> strictInt32(QStringView text)
{
    const auto value =
        strictWhole(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return value ? std::optional<std::int32_t>(static_cast<std::int32_t>(*value)) : std::nullopt;
}

std::optional<Int16> leadingInt16(QStringView text)
{
    const double rounded = roundHalfEven(leadingNumber(text));
    if (!(rounded >= std::numeric_limits<Int16>::min() && rounded <= std::numeric_limits<Int16>::max()))
        return std::nullopt;
    return static_cast<Int16>(rounded);
}

QByteArray hexFloatText(float value)
{
    std::array<char, 64> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::hex);
    return QByteArray(text.data(), error == std::errc() ? end - text.data() : 0);
}

std::optional<float> hexFloat(QByteArrayView text)
{
    float value = 0;
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value, std::chars_format::hex);
    // The writer always gives the exponent: without one, decimal-looking digits would read as hex.
    if (error != std::errc() || stop != end || !std::isfinite(value) || !text.contains('p'))
        return std::nullopt;
    return value;
}
