// The replay reader on any bytes. A replay it accepts writes back to bytes that read as the same
// replay and write the same bytes again: nothing is lost or changed on the way through.

#include "files/ReplayFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const RecordingReading reading = readRecording(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(reading.recording.has_value() == reading.error.isEmpty());
    if (!reading.recording)
        return 0;
    FUZZ_CHECK(!reading.recording->events.empty() && reading.recording->events.back().kind == RecordedEvent::Kind::End);
    const QByteArray bytes = recordingBytes(*reading.recording);
    const RecordingReading again = readRecording(bytes);
    FUZZ_CHECK(again.recording && recordingBytes(*again.recording) == bytes);
    FUZZ_CHECK(again.recording->events.size() == reading.recording->events.size() &&
               again.recording->levels == reading.recording->levels &&
               again.recording->seed == reading.recording->seed);
    return 0;
}
