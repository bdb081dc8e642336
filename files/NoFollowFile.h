#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files that only the game itself writes, in folders that only it makes (the world outbox): a link
// or anything else put in a file's place is never read through, written through or waited on.

// Whether anything at all stands at path, a dangling link included.
bool entryExists(const QString& path);

// Makes the folder when it is missing; true when it is a folder itself, not a link to one.
bool makeOwnFolder(const QString& path);
bool isOwnFolder(const QString& path);

// The bytes of the regular file at path, which is not a link; nothing when it is anything else or
// holds more than maxBytes.
std::optional<QByteArray> readOwnFile(const QString& path, qint64 maxBytes);

// Puts exactly these bytes at path, or leaves it as it was. They go to a new file of a temporary
// name in the same folder, reach the disk, and take path's name: whatever stood there, a link
// included, is replaced, never followed. The folder itself must not be a link.
bool writeOwnFile(const QString& path, const QByteArray& bytes);
