#include "files/WorldOutbox.h"

#include "files/FileBytes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

const QString BodySuffix = QStringLiteral(".json");
const QString RefusedSuffix = QStringLiteral(".refused");
constexpr qint64 MaxRefusal = 4096;

QString refusalPath(const QString& item)
{
    return item.endsWith(BodySuffix) ? item.chopped(BodySuffix.size()) + RefusedSuffix : QString();
}

}  // namespace

QString outboxFolder(const QString& scoresPath)
{
    return scoresPath.isEmpty() ? QString() : QFileInfo(scoresPath).absolutePath() + QStringLiteral("/outbox");
}

QString putInOutbox(const QString& scoresPath, const QByteArray& body)
{
    const QString folder = outboxFolder(scoresPath);
    if (folder.isEmpty() || body.size() > MaxOutboxBody || !QDir().mkpath(folder))
        return {};
    // Named after the body, so that a game kept twice is one file and sent once.
    const QString name =
        QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex(0).left(32));
    const QString path = folder + u'/' + name + BodySuffix;
    return replaceFile(path, body) ? path : QString();
}

QStringList outboxItems(const QString& scoresPath)
{
    const QString folder = outboxFolder(scoresPath);
    if (folder.isEmpty())
        return {};
    QStringList items;
    const QFileInfoList files =
        QDir(folder).entryInfoList({u'*' + BodySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : files)
        if (!QFileInfo::exists(refusalPath(file.filePath())))
            items << file.filePath();
    return items;
}

QByteArray outboxBody(const QString& item)
{
    const std::optional<FileHead> head = readFileHead(item, MaxOutboxBody);
    return head && !head->cut ? head->bytes : QByteArray();
}

bool sentFromOutbox(const QString& item) { return QFile::remove(item); }

bool refusedFromOutbox(const QString& item, const QString& message)
{
    return !refusalPath(item).isEmpty() && replaceFile(refusalPath(item), message.left(MaxRefusal).toUtf8());
}

QString outboxRefusal(const QString& item)
{
    const std::optional<FileHead> head = readFileHead(refusalPath(item), MaxRefusal);
    return head ? QString::fromUtf8(head->bytes) : QString();
}
