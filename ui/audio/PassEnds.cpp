#include "ui/audio/PassEnds.h"

#include <algorithm>
#include <cmath>

namespace {

// The player's clock: whole milliseconds since the pass began, at the start of a block.
long millisecondsAt(std::int64_t frame, int rate) { return long(1000.0 * double(frame) / double(rate)); }

// Milliseconds a tick lasts, worked out in single precision as the player does.
float tickMilliseconds(std::uint32_t microsecondsPerQuarter, int division)
{
    return float(microsecondsPerQuarter) / float(division) / 1000.0F;
}

}  // namespace

PassEnds PassEnds::sampled(double framesPerPass)
{
    PassEnds ends;
    ends.m_framesPerPass = framesPerPass >= 1 ? framesPerPass : 0;
    return ends;
}

PassEnds PassEnds::midi(const MidiTiming& timing, int rate)
{
    PassEnds ends;
    if (rate <= 0 || timing.division <= 0)
        return ends;
    Midi midi;
    midi.division = timing.division;
    midi.endTick = timing.endTick;
    for (const std::vector<TempoChange>& track : timing.tempos)
        for (const TempoChange& change : track)
            midi.changes.push_back({change.tick, change.microsecondsPerQuarter, midi.changes.size()});
    std::stable_sort(midi.changes.begin(), midi.changes.end(),
                     [](const Change& a, const Change& b) { return a.tick < b.tick; });
    ends.m_midi = std::move(midi);
    ends.m_rate = rate;
    const std::optional<std::int64_t> first = ends.midiPassEnd(0);
    if (!first)
        return {};
    ends.m_passEnd = *first;
    return ends;
}

std::int64_t PassEnds::after(std::int64_t frame)
{
    if (m_framesPerPass > 0) {
        auto pass = std::int64_t(std::floor(double(frame) / m_framesPerPass)) + 1;
        while (std::llround(double(pass) * m_framesPerPass) <= frame)
            ++pass;
        return std::llround(double(pass) * m_framesPerPass);
    }
    if (!m_midi)
        return frame + 1;
    if (frame < m_passStart) {
        m_passStart = 0;
        m_passEnd = *midiPassEnd(0);
    }
    // Every pass is as long as the first give or take a block, so none runs past the limit.
    while (m_passEnd <= frame) {
        m_passStart = m_passEnd;
        m_passEnd = midiPassEnd(m_passStart).value_or(m_passStart + Block);
    }
    return m_passEnd;
}

std::optional<std::int64_t> PassEnds::midiPassEnd(std::int64_t start) const
{
    // The player's reckoning: the tick is where the last tempo change was taken up plus the
    // milliseconds since then in ticks, rounded. At each look it takes up every change up to that
    // tick, track by track, so the pace of the last one in that order holds from then on. Before
    // any tempo change a quarter lasts half a second.
    const Midi& midi = *m_midi;
    std::size_t next = 0;
    float tick = tickMilliseconds(500000, midi.division);
    const long passBegan = millisecondsAt(start, m_rate);
    long changeMs = 0;
    long changeTick = 0;
    const std::int64_t lastLook = start + std::int64_t(LongestPassSeconds) * m_rate;
    for (std::int64_t look = start; look <= lastLook; look += Block) {
        const long ms = millisecondsAt(look, m_rate) - passBegan;
        // NOLINTNEXTLINE(bugprone-incorrect-roundings): the player's own rounding, never below 0
        const long reckoned = changeTick + long(double(ms - changeMs) / tick + 0.5);
        const Change* last = nullptr;
        for (; next < midi.changes.size() && long(midi.changes[next].tick) <= reckoned; ++next)
            if (!last || midi.changes[next].rank > last->rank)
                last = &midi.changes[next];
        if (last) {
            tick = tickMilliseconds(last->microsecondsPerQuarter, midi.division);
            changeMs = ms;
            changeTick = reckoned;
        }
        if (look > start && reckoned >= long(midi.endTick))
            return look;
    }
    return std::nullopt;
}
