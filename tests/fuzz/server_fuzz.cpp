// The server's path for a submitted game on any bytes: the request's body read as the API says,
// the replay in it read and verified, and the bytes read as a replay's text as well, so the
// reader is reached without JSON around it. Nothing may crash or run past the time bound, and
// every refusal says why.

#include "server/GameVerifier.h"
#include "server/Submission.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

void verify(const QByteArray& replay)
{
    const std::atomic<bool> stop{false};
    const Verdict verdict = verifyGame(replay, stop);
    FUZZ_CHECK(verdict.accepted == verdict.message.isEmpty());
    FUZZ_CHECK(!verdict.accepted || verdict.set.size() == 64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SubmissionReading reading = readSubmission(bytes, QStringLiteral("application/json"));
    FUZZ_CHECK(reading.submission.has_value() == reading.refusal.message.isEmpty());
    if (reading.submission) {
        FUZZ_CHECK(!nameFault(reading.submission->kind, reading.submission->name));
        verify(reading.submission->replay);
    }
    verify(bytes);
    return 0;
}
