#pragma once

#include <cstdint>
#include <random>
#include <vector>

// The program's one source of chance: uniform values in [0, 1).
// Every random choice is the whole part of such a value times a range.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    // Starts the sequence again from a seed: a new game's, so that its replay can draw the same.
    virtual void reseed(std::uint64_t seed) = 0;

    // A whole number from 0 to range - 1.
    int below(int range);
};

// The generator of a running program, seeded once from the clock at start-up.
class GameRandom final : public Random {
public:
    GameRandom();  // seeded from the clock
    explicit GameRandom(std::uint64_t seed);
    double next() override;
    void reseed(std::uint64_t seed) override { m_engine.seed(seed); }

private:
    std::mt19937_64 m_engine;
};

// A scripted sequence, for tests that must know every draw in advance.
// Running out of values is a fault in the test, reported by an exception.
class SequenceRandom final : public Random {
public:
    explicit SequenceRandom(std::vector<double> values);
    double next() override;
    void reseed(std::uint64_t) override {}  // a script has no seed: its draws go on in order
    std::size_t remaining() const { return m_values.size() - m_next; }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
};
