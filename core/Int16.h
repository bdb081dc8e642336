#pragma once

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// Counters, coordinates and level settings are 16-bit signed. Their arithmetic saturates at the
// ends of the range instead of overflowing: a score past 32767 stays at 32767.
using Int16 = std::int16_t;

constexpr Int16 saturate16(long long value)
{
    return static_cast<Int16>(
        std::clamp<long long>(value, std::numeric_limits<Int16>::min(), std::numeric_limits<Int16>::max()));
}

constexpr Int16 add16(Int16 a, long long b) { return saturate16(static_cast<long long>(a) + b); }

// Half of a whole number, an exact half going to the even neighbour (9 gives 4, 11 gives 6).
constexpr int halfRoundedToEven(int value)
{
    const int half = value / 2;  // truncates toward zero
    const int rest = value % 2;  // -1, 0 or 1
    if (rest == 0 || half % 2 == 0)
        return half;
    return half + rest;
}

// The nearest whole number, an exact half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline double roundHalfEven(double value)
{
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(oldMode);
    return rounded;
}
