// The replay reader on any bytes. A replay it accepts writes back to bytes that read as the same
// replay and write the same bytes again: nothing is lost or changed on the way through.

#include "files/ReplayFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ReplayReading reading = readReplay(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(reading.replay.has_value() == reading.error.isEmpty());
    if (!reading.replay)
        return 0;
    FUZZ_CHECK(!reading.replay->events.empty() && reading.replay->events.back().kind == ReplayEvent::Kind::End);
    const QByteArray bytes = replayBytes(*reading.replay);
    const ReplayReading again = readReplay(bytes);
    FUZZ_CHECK(again.replay && replayBytes(*again.replay) == bytes);
    FUZZ_CHECK(again.replay->events.size() == reading.replay->events.size() &&
               again.replay->levels == reading.replay->levels && again.replay->seed == reading.replay->seed);
    return 0;
}
