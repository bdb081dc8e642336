#include "core/Random.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

int Random::below(int range)
{
    // A value just under 1 times the range can round up to the range itself: keep it inside.
    return std::min(range - 1, static_cast<int>(next() * range));
}

GameRandom::GameRandom()
    : GameRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

GameRandom::GameRandom(std::uint64_t seed) : m_engine(seed) {}

double GameRandom::next()
{
    // The top 53 bits as a fraction: exactly uniform over [0, 1), never 1 itself.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

SequenceRandom::SequenceRandom(std::vector<double> values) : m_values(std::move(values))
{
    for (double v : m_values)
        if (!(v >= 0.0 && v < 1.0))
            throw std::invalid_argument("scripted random values must lie in [0, 1)");
}

double SequenceRandom::next()
{
    if (m_next >= m_values.size())
        throw std::logic_error("scripted random sequence ran out");
    return m_values[m_next++];
}
