#include "files/WorldOutbox.h"

#include "files/NoFollowFile.h"
#include "files/ReplayFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// The first line of every item the game writes: a file without it is not the game's to send.
const QByteArray Header = "pondrake-outbox 1\n";
const QString ItemSuffix = QStringLiteral(".game");
const QString RefusedSuffix = QStringLiteral(".refused");
constexpr qint64 MaxRefusal = 4096;

QString refusalPath(const QString& item)
{
    return item.endsWith(ItemSuffix) ? item.chopped(ItemSuffix.size()) + RefusedSuffix : QString();
}

// Named after the body, so that a game kept twice is one file and sent once.
QString digestName(const QByteArray& body)
{
    return QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(32));
}

bool isSetId(const QByteArray& id)
{
    return id.size() == 64 &&
           std::all_of(id.begin(), id.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Where the earlier version kept the outboxes of the score tables in the data folder: beside the
// shipped set's table, My Levels' and the imported sets', and beside the tables of sets whose own
// folder could not take one. Never a link: the data folder's own folders only.
QStringList earlierOutboxes(const QString& dataFolder)
{
    QStringList tables;
    for (const char* folder : {"/levels", "/My Levels", "/set scores"})
        tables << dataFolder + QLatin1String(folder);
    const QString sets = dataFolder + QStringLiteral("/sets");
    if (isOwnFolder(sets))
        for (const QString& set : QDir(sets).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
            tables << sets + u'/' + set;
    QStringList outboxes;
    for (const QString& table : tables)
        if (isOwnFolder(table) && isOwnFolder(table + QStringLiteral("/outbox")))
            outboxes << table + QStringLiteral("/outbox");
    return outboxes;
}

// The set a body belongs to when its bytes are exactly what the earlier version wrote: the
// request of a self-contained replay and an entry, as compact JSON. Nothing for any other bytes.
std::optional<QByteArray> earlierBodySet(const QByteArray& body)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    const QJsonObject entry = object.value(QStringLiteral("entry")).toObject();
    const QJsonValue kind = entry.value(QStringLiteral("kind"));
    if (object.size() != 2 || entry.size() != 2 || !entry.value(QStringLiteral("name")).isString() ||
        (kind != QJsonValue(0) && kind != QJsonValue(1)) ||
        QJsonDocument(object).toJson(QJsonDocument::Compact) != body)
        return std::nullopt;
    const RecordingReading reading = readRecording(object.value(QStringLiteral("replay")).toString().toUtf8());
    if (!reading.recording || !reading.recording->set)
        return std::nullopt;
    return setIdentity(reading.recording->set->levels);
}

}  // namespace

QString outboxFolder(const QString& dataFolder)
{
    return dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("/outbox");
}

QString putInOutbox(const QString& dataFolder, const QByteArray& setId, const QByteArray& body)
{
    const QString top = outboxFolder(dataFolder);
    const QString folder = top + u'/' + QString::fromLatin1(setId);
    if (top.isEmpty() || !isSetId(setId) || body.isEmpty() || body.size() > MaxOutboxBody ||
        !QDir().mkpath(dataFolder) || !makeOwnFolder(top) || !makeOwnFolder(folder))
        return {};
    const QString path = folder + u'/' + digestName(body) + ItemSuffix;
    return writeOwnFile(path, Header + body) ? path : QString();
}

QStringList outboxItems(const QString& dataFolder)
{
    const QString top = outboxFolder(dataFolder);
    if (top.isEmpty() || !isOwnFolder(top))
        return {};
    QFileInfoList found;
    for (const QFileInfo& set : QDir(top).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        if (isSetId(set.fileName().toLatin1()))
            found += QDir(set.filePath()).entryInfoList({u'*' + ItemSuffix}, QDir::Files);  // a link does not read
    std::stable_sort(found.begin(), found.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() < b.lastModified(); });
    QStringList items;
    for (const QFileInfo& file : found)
        if (!entryExists(refusalPath(file.filePath())))  // refused, or something the game did not put there
            items << file.filePath();
    return items;
}

QByteArray outboxBody(const QString& item)
{
    const std::optional<QByteArray> bytes = readOwnFile(item, Header.size() + MaxOutboxBody);
    return bytes && bytes->startsWith(Header) ? bytes->mid(Header.size()) : QByteArray();
}

bool sentFromOutbox(const QString& item) { return QFile::remove(item); }

bool refusedFromOutbox(const QString& item, const QString& message)
{
    const QString path = refusalPath(item);
    return !path.isEmpty() && writeOwnFile(path, message.left(MaxRefusal / 4).toUtf8());
}

QString outboxRefusal(const QString& item)
{
    const std::optional<QByteArray> bytes = readOwnFile(refusalPath(item), MaxRefusal);
    return bytes ? QString::fromUtf8(*bytes) : QString();
}

int adoptEarlierOutboxes(const QString& dataFolder)
{
    if (dataFolder.isEmpty())
        return 0;
    int moved = 0;
    for (const QString& folder : earlierOutboxes(dataFolder))
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files)) {
            const QString path = folder + u'/' + name;
            const std::optional<QByteArray> body = readOwnFile(path, MaxOutboxBody);
            // That version named each body after its digest and kept a refusal beside it.
            if (!body || name != digestName(*body) + QStringLiteral(".json") ||
                entryExists(folder + u'/' + digestName(*body) + RefusedSuffix))
                continue;
            const std::optional<QByteArray> set = earlierBodySet(*body);
            if (set && !putInOutbox(dataFolder, *set, *body).isEmpty() && QFile::remove(path))
                ++moved;
        }
    return moved;
}
