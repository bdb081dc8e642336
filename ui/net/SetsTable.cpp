#include "ui/net/SetsTable.h"

#include "ui/net/AnswerJson.h"
#include "ui/net/WorldTable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRegularExpression>

namespace {

using AnswerJson::count;
using AnswerJson::line;

constexpr qsizetype MaxShownText = 300;
constexpr qint64 MaxCount = 1'000'000'000'000;

// The context the translators see these sentences in.
struct SetsTable {
    Q_DECLARE_TR_FUNCTIONS(SetsTable)
};

QString unreadable()
{
    return QCoreApplication::translate("WorldTable", "The world table's answer is not one the game can read.");
}

bool isIdentity(const QString& id)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hex.match(id).hasMatch();
}

std::optional<ListedSet> listedSet(const QJsonValue& value)
{
    const QJsonObject row = value.toObject();
    ListedSet set;
    set.id = row.value(QStringLiteral("set")).toString();
    set.name = line(row.value(QStringLiteral("name")), MaxSetNameLength);
    set.author = line(row.value(QStringLiteral("author")), MaxShownText);
    // The description keeps its lines; each is a line of the set file's.
    set.description = row.value(QStringLiteral("description")).toString().left(100 * 1024);
    const std::optional<qint64> levels = count(row.value(QStringLiteral("levels")), 1, qint64(MaxSetLevels));
    const std::optional<qint64> games = count(row.value(QStringLiteral("games")), 0, MaxCount);
    const std::optional<qint64> best = count(row.value(QStringLiteral("best")), -MaxCount, MaxCount);
    const QJsonValue difficulty = row.value(QStringLiteral("difficulty"));
    if (!isIdentity(set.id) || set.name.isEmpty() || !levels || !games || !best)
        return std::nullopt;
    set.levels = *levels, set.games = *games, set.best = *best;
    set.difficulty = int(count(difficulty, 1, 24).value_or(0));
    return set;
}

// "Level 2: the computer player passed 31 of 100 runs", for each row that names a level and a text:
// a failure's reason in the player's language when the game knows its code.
QStringList levelLines(const QJsonValue& rows, const QString& field)
{
    QStringList lines;
    const QJsonArray list = rows.toArray();
    for (const auto& value : list) {
        const QJsonObject row = value.toObject();
        const std::optional<qint64> level = count(row.value(QStringLiteral("level")), 1, qint64(MaxSetLevels));
        QString text = line(row.value(field), MaxShownText);
        if (!text.isEmpty())  // a refusal's reason or a warning, each with its code
            text = AnswerJson::refusalText(row, text);
        if (level && !text.isEmpty() && lines.size() < 100)
            lines << SetsTable::tr("Level %1: %2").arg(*level).arg(text);
    }
    return lines;
}

}  // namespace

SetListReading readSetList(const WorldAnswer& answer, const QString& address)
{
    if (const QString problem = trouble(answer, address); !problem.isEmpty())
        return {std::nullopt, problem};
    if (answer.status != 200)
        return {std::nullopt, AnswerJson::errorText(answer)};
    const std::optional<QJsonObject> object = AnswerJson::object(answer.body);
    const QJsonValue rows = object ? object->value(QStringLiteral("sets")) : QJsonValue();
    if (!rows.isArray() || rows.toArray().size() > 100)
        return {std::nullopt, unreadable()};
    std::vector<ListedSet> sets;
    const QJsonArray list = rows.toArray();
    for (const auto& value : list) {
        std::optional<ListedSet> set = listedSet(value);
        if (!set)
            return {std::nullopt, unreadable()};
        sets.push_back(std::move(*set));
    }
    return {std::move(sets), {}};
}

SetDownload readSetDownload(const WorldAnswer& answer, const QString& address, const QString& id)
{
    if (const QString problem = trouble(answer, address); !problem.isEmpty())
        return {std::nullopt, problem};
    if (answer.status != 200)
        return {std::nullopt, AnswerJson::errorText(answer)};
    SetReading reading = readSetFile(answer.body);
    if (!reading.set)
        return {std::nullopt, SetsTable::tr("The set from the world table does not read: %1 (line %2).")
                                  .arg(reading.error.translated())
                                  .arg(reading.line)};
    if (QString::fromLatin1(setIdentity(reading.set->levels)) != id)
        return {std::nullopt, SetsTable::tr("The world table sent other levels than those of the set listed, so "
                                            "nothing was imported.")};
    return {std::move(reading.set), {}};
}

Publication readPublication(const WorldAnswer& answer, const QString& address, const QString& id)
{
    Publication seen;
    if (seen.message = trouble(answer, address); !seen.message.isEmpty())
        return seen;
    const QJsonObject object = AnswerJson::object(answer.body).value_or(QJsonObject());
    const QString status = object.value(QStringLiteral("status")).toString();
    const bool ours = object.value(QStringLiteral("set")).toString() == id;
    const auto said = [&](int code, const char* word) {
        return answer.status == code && status == QLatin1String(word);
    };
    if (said(202, "judging") && ours) {
        seen.state = Publication::State::Judging;
        seen.levels = count(object.value(QStringLiteral("levels")), 0, qint64(MaxSetLevels)).value_or(0);
        seen.judged = std::min(seen.levels, count(object.value(QStringLiteral("judged")), 0, MaxCount).value_or(0));
        return seen;
    }
    const QString page = object.value(QStringLiteral("page")).toString();
    if (said(200, "published") && ours && page.startsWith(u'/') && page.size() < MaxShownText) {
        QUrl url = WorldClient::baseUrl(address);
        url.setPath(url.path() + page);
        seen.state = Publication::State::Published;
        seen.page = url.toString();
        seen.lines = levelLines(object.value(QStringLiteral("published"))[QStringLiteral("verdicts")],
                                QStringLiteral("warning"));
        return seen;
    }
    if (said(422, "refused") && ours) {
        seen.state = Publication::State::Refused;
        seen.message = AnswerJson::refusalText(object, line(object.value(QStringLiteral("error")), MaxShownText));
        seen.lines = levelLines(object.value(QStringLiteral("failures")), QStringLiteral("reason"));
        return seen;
    }
    // A refusal of the set as sent (not a set file, too large, too many levels) names no publication.
    seen.message = answer.status >= 200 && answer.status < 300 ? unreadable() : AnswerJson::errorText(answer);
    return seen;
}
