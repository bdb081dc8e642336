// The score file readers on any bytes: the game-over window's loadScores and the top-ten window's
// readTopTen (with the handwriting it decodes). A table read whole and saved with a new entry
// reads back as the old entries, byte for byte, with the new one in its place.

#include "files/NumberText.h"
#include "files/ScoreFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = putFile("scores.txt", data, size);
    ScoreTable table;
    const ScoreReadStatus status = loadScores(path, table);
    const TopTenReading reading = readTopTen(path);
    // The readers agree on every row the top ten shows (it stops sooner, at ink that does not load).
    for (int i = 0; i < ScoreEntries && reading.rows[i].scoreText; ++i)
        FUZZ_CHECK(strictInt32(*reading.rows[i].scoreText) == table.topScores[i] &&
                   (reading.rows[i].shown == TopTenRow::Shown::Nothing ||
                    (reading.rows[i].shown == TopTenRow::Shown::Typed) == (table.topKinds[i] == TypedName)));
    if (status != ScoreReadStatus::Complete || table.topScores[0] == INT32_MAX)
        return 0;

    // A new best entry: first, the old ones after it as they were, the tenth dropping out.
    FUZZ_CHECK(saveScore(path, table, "Kim \u00e9", table.topScores[0] + 1, TypedName));
    ScoreTable saved;
    FUZZ_CHECK(loadScores(path, saved) == ScoreReadStatus::Complete);
    FUZZ_CHECK(saved.topKinds[0] == TypedName && saved.topScores[0] == table.topScores[0] + 1 &&
               saved.topNames[0] == "Kim \xC3\xA9");
    for (int i = 1; i < ScoreEntries; ++i)
        FUZZ_CHECK(saved.topKinds[i] == table.topKinds[i - 1] && saved.topScores[i] == table.topScores[i - 1] &&
                   saved.topNames[i] == table.topNames[i - 1]);
    return 0;
}
