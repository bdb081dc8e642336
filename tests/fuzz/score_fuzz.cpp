// The score file readers on any bytes: the game-over window's LoadScores and the top-ten window's
// ReadTopTen (with the handwriting it decodes). A table read whole and saved with a new entry
// reads back as the old entries, byte for byte, with the new one in its place.

#include "files/NumberText.h"
#include "files/ScoreFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool sameEntry(const ScoreTable& a, int i, const ScoreTable& b, int j)
{
    return a.TopKinds[i] == b.TopKinds[j] && a.TopScores[i] == b.TopScores[j] && a.TopNames[i] == b.TopNames[j];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = putFile(QStringLiteral("levels/scores.txt"), data, size);

    ScoreTable table;
    const ScoreReadStatus status = LoadScores(path, table);
    const TopTenReading reading = ReadTopTen(path);
    // The readers agree on every row the top ten shows; it may stop sooner, at ink that does not load.
    FUZZ_CHECK((status == ScoreReadStatus::Missing) == (reading.status == ScoreReadStatus::Missing));
    FUZZ_CHECK(reading.status != ScoreReadStatus::Complete || status == ScoreReadStatus::Complete);
    for (int i = 0; i < ScoreEntries && reading.rows[i].scoreText; ++i) {
        FUZZ_CHECK(strictInt32(*reading.rows[i].scoreText) == table.TopScores[i]);
        FUZZ_CHECK((reading.rows[i].shown == TopTenRow::Shown::Typed) == (table.TopKinds[i] == TypedName) ||
                   reading.rows[i].shown == TopTenRow::Shown::Nothing);
    }

    if (status == ScoreReadStatus::Complete) {
        const std::int32_t score = table.TopScores[4] == INT32_MAX ? table.TopScores[4] : table.TopScores[4] + 1;
        const QString newPath = scratchFolder() + QStringLiteral("/levels/saved.txt");
        FUZZ_CHECK(SaveScore(newPath, table, QStringLiteral("Kim \u00e9"), score, TypedName));
        ScoreTable saved;
        FUZZ_CHECK(LoadScores(newPath, saved) == ScoreReadStatus::Complete);
        int place = 0;
        while (place < ScoreEntries - 1 && !(score > table.TopScores[place]))
            ++place;
        for (int i = 0; i < ScoreEntries; ++i) {
            if (i == place)
                FUZZ_CHECK(saved.TopKinds[i] == TypedName && saved.TopScores[i] == score &&
                           saved.TopNames[i] == "Kim \xC3\xA9");
            else
                FUZZ_CHECK(sameEntry(saved, i, table, i < place ? i : i - 1));
        }
    }
    return 0;
}
