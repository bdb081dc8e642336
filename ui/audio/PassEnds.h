#pragma once

#include "files/MidiTiming.h"

#include <cstdint>
#include <optional>
#include <vector>

// Where the passes of a piece that the mixer repeats end, in frames of the mixer's output counted
// from the first frame of the piece.
//
// A sampled piece starts again after a fixed number of frames. A MIDI piece starts again when the
// synthesiser's player has reached its last tick, and that player keeps time in its own way: it
// looks at the clock once every 64 frames, in whole milliseconds since the pass began, and rounds
// the tick it reckons to the nearest. Following that reckoning block by block finds the very frame
// at which the mixer starts the next pass; two passes of one piece can differ by a block.
class PassEnds {
public:
    static constexpr int Block = 64;  // frames the synthesiser renders between two looks at its clock
    static constexpr int LongestPassSeconds = 3600;

    PassEnds() = default;  // unknown: where the passes end cannot be told
    static PassEnds sampled(double framesPerPass);
    // Unknown when a pass would last longer than LongestPassSeconds.
    static PassEnds midi(const MidiTiming& timing, int rate);

    bool known() const { return m_framesPerPass > 0 || m_midi.has_value(); }
    // The end of the pass that sounds at the frame, which is the first pass end after it. For
    // frames in ascending order (the usual case) each call goes on from where the last one stopped.
    std::int64_t after(std::int64_t frame);

private:
    struct Change {
        std::uint32_t tick = 0;
        std::uint32_t microsecondsPerQuarter = 0;
        std::size_t rank = 0;  // place in the order the player takes them up within one look
    };
    struct Midi {
        int division = 0;
        std::uint32_t endTick = 0;
        std::vector<Change> changes;  // by tick
    };
    std::optional<std::int64_t> midiPassEnd(std::int64_t start) const;

    double m_framesPerPass = 0;
    std::optional<Midi> m_midi;
    int m_rate = 0;
    std::int64_t m_passStart = 0;  // the MIDI pass found last
    std::int64_t m_passEnd = 0;
};
