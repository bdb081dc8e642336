#include "files/RecordingShelf.h"

#include "files/FileBytes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <set>

namespace {

QByteArray entryBytes(const ScoreTable& table, int place)
{
    return QByteArray::number(table.topKinds[place]) + '\n' + QByteArray::number(table.topScores[place]) + '\n' +
           table.topNames[place];
}

QString folderOf(const QString& scoresPath) { return QFileInfo(scoresPath).absolutePath(); }

void tell(const QString& path)
{
    std::fprintf(stderr, "pondrake: the replay %s could not be written\n", qUtf8Printable(path));
}

}  // namespace

QString lastRecordingPath(const QString& scoresPath) { return folderOf(scoresPath) + QStringLiteral("/last.replay"); }

QString entryRecordingPath(const QString& scoresPath, const ScoreTable& table, int place)
{
    const QByteArray bytes = entryBytes(table, place);
    int twinsAbove = 0;
    for (int i = 0; i < place; ++i)
        twinsAbove += entryBytes(table, i) == bytes;
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).left(8).toHex();
    return folderOf(scoresPath) + QStringLiteral("/top-%1-%2.replay").arg(QString::fromLatin1(hash)).arg(twinsAbove);
}

bool keepRecording(const QString& scoresPath, const QByteArray& recording, std::optional<int> newEntry)
{
    if (scoresPath.isEmpty())
        return false;
    const QString last = lastRecordingPath(scoresPath);
    if (!QDir().mkpath(folderOf(scoresPath)) || !replaceFile(last, recording)) {
        tell(last);
        return false;
    }
    ScoreTable table;
    if (!newEntry || *newEntry < 0 || *newEntry >= ScoreEntries ||
        loadScores(scoresPath, table) != ScoreReadStatus::Complete)
        return true;
    std::set<QString> kept;
    for (int place = 0; place < ScoreEntries; ++place)
        kept.insert(QFileInfo(entryRecordingPath(scoresPath, table, place)).fileName());
    const QString entry = entryRecordingPath(scoresPath, table, *newEntry);
    const bool written = replaceFile(entry, recording);
    if (!written)
        tell(entry);
    QDir folder(folderOf(scoresPath));
    for (const QString& name : folder.entryList({QStringLiteral("top-*.replay")}, QDir::Files))
        if (!kept.count(name))
            folder.remove(name);
    return written;
}
