#pragma once

#include "core/KeptLevel.h"
#include "files/Phrase.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A game kept across sittings, in the player's data folder: where the game stood at the start of
// its current level, the set it is played in and a SHA-256 of that level's file, so that a level
// changed since is never continued. A text file of "key=value" lines; the set's path is
// percent-encoded so that no name can break a line.
struct KeptGame {
    QString setFolder;
    KeptLevel level;
    QByteArray levelDigest;  // hexadecimal
    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

QByteArray keptGameBytes(const KeptGame& game);
// The game in the file, or nothing when there is none or any line is missing, unknown or out of range.
std::optional<KeptGame> readKeptGame(const QString& path);
// Whole or not at all: a refused write leaves the earlier file as it was.
bool saveKeptGame(const QString& path, const KeptGame& game);

// The level file's fingerprint (fileSha256) in hexadecimal; empty when it is no readable file or holds no byte.
QByteArray levelDigest(const QString& levelPath);

// Why the kept game cannot be continued (its set or level gone, the level file changed), or nothing.
std::optional<Phrase> keptGameProblem(const KeptGame& game);
