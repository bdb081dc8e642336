#include "ui/net/WorldTable.h"

#include "files/Base64.h"
#include "ui/net/AnswerJson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxRows = 100;
constexpr qsizetype MaxShownName = 100;
// The table checks games by the stricter clock of replay version 4; an older game it can no longer.
constexpr int FirstCheckedReplay = 4;

// The context the translators see these sentences in.
struct WorldTable {
    Q_DECLARE_TR_FUNCTIONS(WorldTable)
};

using AnswerJson::count;
using AnswerJson::errorText;

std::optional<QJsonObject> objectOf(const QByteArray& body) { return AnswerJson::object(body); }

std::optional<WorldRow> rowOf(const QJsonValue& value)
{
    const QJsonObject row = value.toObject();
    const QJsonObject entry = row.value(QStringLiteral("entry")).toObject();
    const std::optional<qint64> rank = count(row.value(QStringLiteral("rank")), 1, 1'000'000'000);
    const std::optional<qint64> id = count(row.value(QStringLiteral("id")), 1, qint64(1) << 52);
    const std::optional<qint64> score = count(row.value(QStringLiteral("score")), -(qint64(1) << 31), qint64(1) << 31);
    const std::optional<qint64> kind = count(entry.value(QStringLiteral("kind")), 0, 1);
    const QJsonValue name = entry.value(QStringLiteral("name"));
    if (!rank || !id || !score || !kind || !name.isString())
        return std::nullopt;
    WorldRow shown{int(*rank), *id, *kind == 1, {}, {}, *score, {}};
    if (const QString date = row.value(QStringLiteral("date")).toString(); date.size() <= 40)
        shown.date = QDateTime::fromString(date, Qt::ISODate);
    if (shown.handwritten)
        shown.ink.load(Base64::decode(name.toString()));  // ink that does not load shows as none
    else
        shown.typedName = name.toString().left(MaxShownName);
    return shown;
}

// Whether the table's answer names the entry the request sent: the same kind and name.
bool sameEntry(const QJsonObject& answer, const QJsonObject& request)
{
    const QJsonObject theirs = answer.value(QStringLiteral("entry")).toObject();
    const QJsonObject ours = request.value(QStringLiteral("entry")).toObject();
    const QJsonValue name = theirs.value(QStringLiteral("name"));
    return name.isString() && name == ours.value(QStringLiteral("name")) &&
           theirs.value(QStringLiteral("kind")).toInteger(-1) == ours.value(QStringLiteral("kind")).toInteger(-2);
}

// The version in the first line of the request's replay ("pondrake-replay 3"), or nothing.
std::optional<int> replayVersion(const QJsonObject& request)
{
    const QString replay = request.value(QStringLiteral("replay")).toString();
    const QStringList magic = replay.left(replay.indexOf(u'\n')).split(u' ');
    bool number = false;
    const int version = magic.size() == 2 && magic[0] == u"pondrake-replay" ? magic[1].toInt(&number) : 0;
    return number ? std::optional<int>(version) : std::nullopt;
}

}  // namespace

QString trouble(const WorldAnswer& answer, const QString& address)
{
    switch (answer.outcome) {
    case WorldAnswer::Outcome::Answered:
        return {};
    case WorldAnswer::Outcome::Unreachable:
        return WorldTable::tr("Cannot reach the world table at %1").arg(address);
    case WorldAnswer::Outcome::Unusable:
        break;
    }
    return answer.status >= 300 && answer.status < 400
               ? WorldTable::tr("The world table at %1 sent the game elsewhere; the game does not follow.").arg(address)
               : WorldTable::tr("The world table's answer is too large to read.");
}

QByteArray sendBody(const QByteArray& replay, int kind, const QByteArray& nameLine)
{
    const QJsonObject entry{{QStringLiteral("kind"), kind}, {QStringLiteral("name"), QString::fromUtf8(nameLine)}};
    const QJsonObject body{{QStringLiteral("replay"), QString::fromUtf8(replay)}, {QStringLiteral("entry"), entry}};
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

SendVerdict sendVerdict(const WorldAnswer& answer, const QByteArray& sent)
{
    SendVerdict later{SendVerdict::Kind::Later, WorldTable::tr("Saved; will send when the world table answers")};
    if (answer.outcome != WorldAnswer::Outcome::Answered)
        return later;
    const int status = answer.status;
    const std::optional<QJsonObject> object = objectOf(answer.body);
    const QJsonObject request = objectOf(sent).value_or(QJsonObject());
    SendVerdict elsewhere{SendVerdict::Kind::Refused,
                          WorldTable::tr("This game is already on the world table under another name.")};
    if (status == 200) {
        // Without a count or an entry the table may well have the game: sent again, it answers
        // with the game it stored.
        const QJsonObject fields = object.value_or(QJsonObject());
        const qint64 rank = count(fields.value(QStringLiteral("rank")), 1, 1'000'000'000).value_or(0);
        const qint64 games = count(fields.value(QStringLiteral("games")), 1, 1'000'000'000).value_or(0);
        if (rank == 0 || games == 0 || rank > games || !fields.value(QStringLiteral("entry")).isObject())
            return later;
        if (!sameEntry(fields, request))
            return elsewhere;
        return {SendVerdict::Kind::Verified, WorldTable::tr("Verified: rank %1 of %2").arg(rank).arg(games)};
    }
    // Only the API's own refusal is final: a proxy's page, a mistyped address or a busy table
    // must not keep the game from the table for good.
    const bool final = (status == 400 || status == 409 || status == 415 || status == 422) && object &&
                       !object->value(QStringLiteral("error")).toString().trimmed().isEmpty();
    if (!final)
        return later;
    if (status == 409 && !sameEntry(*object, request))
        return elsewhere;
    const std::optional<int> version = replayVersion(request);
    if (status == 422 && version && *version < FirstCheckedReplay)
        return {SendVerdict::Kind::Refused,
                WorldTable::tr("This game was recorded by an earlier version of Pondrake, which the world table can "
                               "no longer check.")};
    return {SendVerdict::Kind::Refused, errorText(answer)};
}

TopReading readTop(const WorldAnswer& answer, const QString& address)
{
    if (const QString problem = trouble(answer, address); !problem.isEmpty())
        return {std::nullopt, problem};
    if (answer.status != 200)
        return {std::nullopt, errorText(answer)};
    const QString unreadable = WorldTable::tr("The world table's answer is not one the game can read.");
    const std::optional<QJsonObject> object = objectOf(answer.body);
    const QJsonValue rows = object ? object->value(QStringLiteral("top")) : QJsonValue();
    const std::optional<qint64> games =
        object ? count(object->value(QStringLiteral("games")), 0, 1'000'000'000'000) : std::nullopt;
    if (!rows.isArray() || !games || rows.toArray().size() > MaxRows)
        return {std::nullopt, unreadable};
    WorldTop top{object->value(QStringLiteral("name")).toString().left(MaxShownName), *games, {}};
    const QJsonArray list = rows.toArray();
    for (const auto& value : list) {
        std::optional<WorldRow> row = rowOf(value);
        if (!row)
            return {std::nullopt, unreadable};
        top.rows.push_back(std::move(*row));
    }
    return {std::move(top), {}};
}

ReplayReading readReplay(const WorldAnswer& answer, const QString& address)
{
    if (const QString problem = trouble(answer, address); !problem.isEmpty())
        return {std::nullopt, problem};
    if (answer.status != 200)
        return {std::nullopt, errorText(answer)};
    RecordingReading reading = readRecording(answer.body);
    if (!reading.recording)
        return {std::nullopt, WorldTable::tr("The game from the world table does not read: %1 (line %2).")
                                  .arg(reading.error.translated())
                                  .arg(reading.line)};
    if (!reading.recording->set)
        return {std::nullopt, WorldTable::tr("The game from the world table does not carry its levels.")};
    return {std::move(reading.recording), {}};
}
