#pragma once

#include <QString>
#include <QStringList>

// The game runs without any part of its program folder: a missing picture leaves its tile plain,
// a missing sound stays silent. It says so once, one line per folder, on stderr.

// The line that tells which files of a folder did not load (paths, as the loaders give them) and
// what the game does without them: `without` when the whole folder is gone, `withoutSome` when
// only some files are. Empty when nothing is missing.
QString missingPartsLine(const QString& folder, const QStringList& files, const QString& without,
                         const QString& withoutSome);

// Writes that line to stderr, when there is one.
void reportMissingParts(const QString& folder, const QStringList& files, const QString& without,
                        const QString& withoutSome);
