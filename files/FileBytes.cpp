#include "files/FileBytes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

std::optional<FileHead> readFileHead(const QString& path, qint64 maxBytes)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // read(n) sets aside n bytes before it reads: ask only for what the file holds.
    const qint64 size = file.size();
    FileHead head;
    head.bytes = file.read(std::clamp<qint64>(size, 0, maxBytes));
    head.cut = size > head.bytes.size();
    return head;
}

QByteArray fileSha256(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))  // a pipe would wait for a writer
        hash.addData(&file);
    return hash.result();
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a write error shows in the result of write() itself: with a buffer it
    // would only surface in the flush inside commit(), which then still puts the short file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
