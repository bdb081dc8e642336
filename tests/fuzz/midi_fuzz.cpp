// The timing of a level's MIDI music on any bytes: every reading ends, and what it gives is a file
// the synthesiser can keep time for (ticks in a quarter, tempos that are not 0, ticks an int holds).

#include "files/MidiTiming.h"
#include "tests/fuzz/FuzzSupport.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<MidiTiming> timing =
        readMidiTiming(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!timing)
        return 0;
    FUZZ_CHECK(timing->division > 0 && !timing->tempos.empty());
    FUZZ_CHECK(timing->endTick <= std::uint32_t(std::numeric_limits<std::int32_t>::max()));
    for (const std::vector<TempoChange>& track : timing->tempos)
        for (const TempoChange& change : track)
            FUZZ_CHECK(change.microsecondsPerQuarter > 0 && change.tick <= timing->endTick);
    return 0;
}
