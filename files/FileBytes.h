#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole files in and out, for files that players swap and edit by hand.

// What a reading got: the first bytes of a file, and whether the file went on past them.
struct FileHead {
    QByteArray bytes;
    bool cut = false;
};

// The first maxBytes bytes of a regular file, or nothing when there is none to read. A folder, a
// pipe or a device is no file: opening a pipe would wait for a writer, and a device may never end.
std::optional<FileHead> readFileHead(const QString& path, qint64 maxBytes);

// The SHA-256 of a regular file's bytes, read in pieces however large the file; the hash of no
// bytes when it cannot be read. The one fingerprint of a file: a recording's levels and the kept game's.
QByteArray fileSha256(const QString& path);

// Replaces the file with exactly these bytes, or leaves it as it was. The new bytes go to a
// temporary file beside it that takes the file's name only when every byte has been written;
// a full disk, a write error or a killed process leaves the old file whole.
bool replaceFile(const QString& path, const QByteArray& bytes);
