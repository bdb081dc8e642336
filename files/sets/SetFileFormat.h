#pragma once

#include "files/Phrase.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// A level set as one file, NAME.pondrake: its name, an optional author and description, and each
// level's exact bytes, level 1 first. docs/set-format.md describes it. Set files come from anyone,
// so the reader takes any bytes and names the first line it cannot accept.

inline constexpr int SetFileVersion = 1;

// Bounds that keep a stranger's file from exhausting memory. The levels a self-contained replay
// carries are held to the same.
inline constexpr std::size_t MaxSetLevels = 1000;
inline constexpr qint64 MaxSetBytes = 16 << 20;          // the whole file, and all its levels' bytes together
inline constexpr qsizetype MaxSetLevelBytes = 64 << 10;  // one level file (the editor writes about 500 bytes)
inline constexpr qsizetype MaxSetNameLength = 100;       // characters

struct SetFile {
    QString name;
    QString author;       // may be empty
    QString description;  // may be empty; lines joined by "\n"
    std::vector<QByteArray> levels;
    friend bool operator==(const SetFile&, const SetFile&) = default;
};

QByteArray setFileBytes(const SetFile& set);

struct SetReading {
    std::optional<SetFile> set;  // nothing when the file cannot be used
    int line = 0;                // the first line that could not be read, from 1
    Phrase error;
};

SetReading readSetFile(const QByteArray& bytes);
// Only the header: the name, author and description, up to the first level, which need not follow.
SetReading readSetHeader(const QByteArray& bytes);
// Reads at most MaxSetBytes; a larger file, a folder or a missing file is refused.
SetReading readSetFileAt(const QString& path);

// The set's identity: the SHA-256 of the levels' SHA-256 digests (32 bytes each, not their
// hexadecimal text), level 1 first, in 64 hexadecimal digits. The same levels in the same order
// give the same identity on any machine, whatever the set is called.
QByteArray setIdentity(const std::vector<QByteArray>& levels);

// Why a text cannot be a set's name (empty, too long, a control character), or nothing.
std::optional<Phrase> setNameProblem(const QString& name);
