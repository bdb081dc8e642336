#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

// When the events of a Standard MIDI File fall, as far as playing it through needs: the ticks of a
// quarter note, the tempo changes of each track and the tick at which the longest track ends.

struct TempoChange {
    std::uint32_t tick = 0;
    std::uint32_t microsecondsPerQuarter = 0;

    bool operator==(const TempoChange&) const = default;
};

struct MidiTiming {
    int division = 0;                              // ticks per quarter note
    std::vector<std::vector<TempoChange>> tempos;  // one list per track, in the file's order
    std::uint32_t endTick = 0;                     // where the last event of the longest track falls
};

// The timing of a bare file or of one in a RIFF RMID wrapper. Nothing for bytes that are no MIDI
// file, that end inside a chunk or an event, that hold no track, or that count time in SMPTE frames.
std::optional<MidiTiming> readMidiTiming(const QByteArray& bytes);
