#pragma once

#include "core/Int16.h"
#include "files/InkStrokes.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The top-ten file: ten entries of three lines, best score first, every line ending in CR LF:
// the name kind (0 typed, 1 handwritten), the score, and the name (the typed text, or the Base64
// text of the handwriting's ink bytes). Numbers are written with a space in place of a plus sign
// and one space after: " 120 ", "-5 ". A reader ends a line at CR and drops one LF right after
// it; a lone LF belongs to the line. The game writes names in UTF-8; older tables may hold other
// single-byte text, which goes back into the file byte for byte.

constexpr int ScoreEntries = 10;

// The kinds of name that the game-over window writes. Readers take any kind but 0 as handwriting.
constexpr Int16 TypedName = 0;
constexpr Int16 HandwrittenName = 1;

// The longest typed name, in characters. Ten entries of the longest names, handwriting
// included, stay far below what a reader takes in.
constexpr int MaxTypedName = 100;

// The three parallel tables of the game-over window; all zeros and empty before any reading.
struct ScoreTable {
    std::array<Int16, ScoreEntries> topKinds{};
    std::array<std::int32_t, ScoreEntries> topScores{};
    std::array<QByteArray, ScoreEntries> topNames{};  // the name lines as they stand in the file
};

enum class ScoreReadStatus {
    Complete,  // all 30 lines were read
    Missing,   // the file could not be opened: nothing changed
    Stopped,   // a line was missing, not a number, or out of range: the fields from it on kept their values
};

// The score file of a program folder: levels/scores.txt.
QString scoresPath(const QString& programFolder);

// Reads the file over the tables, field by field, stopping at the first fault.
ScoreReadStatus loadScores(const QString& path, ScoreTable& table);

// Where a new entry goes, 0 for the top: after the entries with an equal or greater score, at
// the tenth place at the latest.
int newEntryPlace(const ScoreTable& table, std::int32_t score);

// The file that results from putting the new entry into the table: after the entries with an
// equal or greater score, the old tenth entry dropping out. The new name is written in UTF-8,
// without line breaks (they would split the entry), a typed one cut to MaxTypedName characters;
// old names go back byte for byte.
QByteArray scoreFileBytes(const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind);

// Writes that file as a whole or not at all (an earlier file stays as it was when writing fails),
// creating the folder first when it is missing. Returns whether the new file is in place.
bool saveScore(const QString& path, const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind);

// One row of the top-ten window as far as the file filled it. A row the reading did not reach
// has no score text and shows both name controls empty, as does the row whose name line failed.
struct TopTenRow {
    enum class Shown { Nothing, Typed, Handwritten };

    std::optional<QString> scoreText;  // the score line exactly as it stands, spaces included
    Shown shown = Shown::Nothing;
    QString typedName;  // read as UTF-8, or as Latin-1 where it is no UTF-8 (older tables)
    InkStrokes ink;     // empty where handwriting did not decode into ink
};

struct TopTenReading {
    std::array<TopTenRow, ScoreEntries> rows;
    ScoreReadStatus status = ScoreReadStatus::Missing;
};

// Reads the table for display: any kind but 0 is handwriting, whose ink must load; any fault,
// ink that does not load included, ends the reading in the row where it happens.
TopTenReading readTopTen(const QString& path);
