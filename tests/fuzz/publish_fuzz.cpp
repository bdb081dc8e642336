// The server's path for a set sent to be published, on any bytes: the set read, its name, author
// and description checked, and its first levels judged from one seed each. Nothing may crash or
// run past the time bound, and each level judged is either passable or says why not.

#include "files/sets/SetFileFormat.h"
#include "server/SetJudgement.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SetReading reading = readSetFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!reading.set)
        return 0;
    if (const std::optional<Refusal> fault = publicationFault(*reading.set))
        FUZZ_CHECK(!fault->message.isEmpty() && !fault->code.isEmpty());
    const std::atomic<bool> stop{false};
    for (std::size_t i = 0; i < reading.set->levels.size() && i < 3; ++i) {
        const std::optional<SetLevelJudgement> judged = judgeSetLevel(int(i) + 1, reading.set->levels[i], stop, 1);
        FUZZ_CHECK(judged.has_value());
        FUZZ_CHECK(!judged->failure || !judged->failure->message.isEmpty());
        FUZZ_CHECK(judged->verdict.passRate >= 0 && judged->verdict.passRate <= 1);
        // A level refused before any run has no measure.
        FUZZ_CHECK(judged->failure || (judged->verdict.difficulty >= 1 && judged->verdict.difficulty <= 24));
    }
    return 0;
}
