// The level set reader on any bytes. A set it accepts writes back to bytes that read as the same
// set and write the same bytes again, and each of its levels reads whole.

#include "files/LevelFile.h"
#include "files/sets/SetFileFormat.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SetReading reading = readSetFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_CHECK(reading.set.has_value() == reading.error.isEmpty());
    if (!reading.set)
        return 0;
    const SetFile& set = *reading.set;
    FUZZ_CHECK(!set.levels.empty() && set.levels.size() <= MaxSetLevels && !setNameProblem(set.name));
    for (const QByteArray& level : set.levels)
        FUZZ_CHECK(level.size() <= MaxSetLevelBytes && readLevelBytes(level).status == LevelReadStatus::Complete);
    const QByteArray bytes = setFileBytes(set);
    const SetReading again = readSetFile(bytes);
    FUZZ_CHECK(again.set && *again.set == set && setFileBytes(*again.set) == bytes);
    FUZZ_CHECK(setIdentity(set.levels).size() == 64);
    return 0;
}
