#include "ui/net/AnswerJson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The context the translators see these sentences in.
struct WorldTable {
    Q_DECLARE_TR_FUNCTIONS(WorldTable)
};

// A refusal's args, read only as the kinds its code gives them.
class Args {
public:
    explicit Args(const QJsonValue& args) : m_args(args.toArray()), m_array(args.isArray()) {}

    // Whether they are of these kinds, one a letter: n a whole number, d any number, s a text.
    bool are(const char* kinds) const
    {
        if (!m_array || m_args.size() != qsizetype(qstrlen(kinds)))
            return false;
        for (qsizetype i = 0; i < m_args.size(); ++i) {
            const QJsonValue value = m_args[i];
            const bool fits = kinds[i] == 'n'   ? AnswerJson::count(value, -Most, Most).has_value()
                              : kinds[i] == 'd' ? value.isDouble()
                                                : value.isString();
            if (!fits)
                return false;
        }
        return true;
    }
    // Whether they are one or more whole numbers, as many as a set has levels at most.
    bool areLevels() const
    {
        return m_array && !m_args.isEmpty() && m_args.size() <= 1000 &&
               std::all_of(m_args.begin(), m_args.end(),
                           [](const QJsonValue& value) { return AnswerJson::count(value, 1, 1000).has_value(); });
    }
    qsizetype size() const { return m_args.size(); }
    int n(qsizetype i) const { return int(qBound(qint64(INT_MIN), m_args[i].toInteger(), qint64(INT_MAX))); }
    QString d(qsizetype i) const { return QString::number(m_args[i].toDouble()); }
    QString s(qsizetype i) const { return AnswerJson::line(m_args[i], 300); }

private:
    static constexpr qint64 Most = qint64(1) << 53;
    QJsonArray m_args;
    bool m_array = false;
};

// What a text refused is, as the player's language names it; empty for a field the game does not know.
QString fieldName(const QString& field)
{
    if (field == u"name")
        return WorldTable::tr("Name");
    if (field == u"set-name")
        return WorldTable::tr("Set name");
    if (field == u"author")
        return WorldTable::tr("Author");
    if (field == u"description")
        return WorldTable::tr("Description");
    return {};
}

// The refusal in the player's language, or nothing when its code or args are not as the API says.
QString worded(const QString& code, const Args& a)
{
    const auto is = [&](const char* name, const char* kinds) { return code == QLatin1String(name) && a.are(kinds); };
    if (is("bad-request", ""))
        return WorldTable::tr("The world table could not read the request.");
    if (is("no-such-address", "") || is("wrong-method", ""))
        return WorldTable::tr("The world table does not answer this request at this address.");
    if (is("body-too-large", "n"))
        return WorldTable::tr("The world table takes at most %n byte(s) in one request.", nullptr, a.n(0));
    if (is("http-status", "n"))
        return WorldTable::tr("The world table answered with status %1.").arg(a.n(0));
    if (is("wrong-content-type", "s"))
        return WorldTable::tr("The world table takes this only as %1.").arg(a.s(0));
    if (is("empty-body", "") || is("malformed-body", ""))
        return WorldTable::tr("The world table could not read the game sent.");
    if (is("not-json", "s"))
        return WorldTable::tr("The world table could not read the game sent: %1").arg(a.s(0));
    if (code.startsWith(u"text-") && a.are("s") && !fieldName(a.s(0)).isEmpty()) {
        const QString field = fieldName(a.s(0));
        if (code == u"text-invalid")
            return WorldTable::tr("%1: not valid text.").arg(field);
        if (code == u"text-control-character")
            return WorldTable::tr("%1: holds a control character.").arg(field);
        if (code == u"text-format-character")
            return WorldTable::tr("%1: holds an invisible formatting character, such as a direction mark.").arg(field);
    }
    if (is("name-too-long", "n"))
        return WorldTable::tr("A typed name is at most %n character(s) long.", nullptr, a.n(0));
    if (is("ink-unreadable", ""))
        return WorldTable::tr("The handwritten name is not ink the game can draw.");
    if (is("ink-too-large", "nn"))
        return WorldTable::tr("A handwritten name fits on the name pad of %1 by %2 pixels.").arg(a.n(0)).arg(a.n(1));
    if (is("replay-unreadable", "ns"))
        return WorldTable::tr("The world table cannot read the game at line %1: %2").arg(a.n(0)).arg(a.s(1));
    if (is("replay-too-old", ""))
        return WorldTable::tr("This game was recorded by an earlier version of Pondrake, which the world table can "
                              "no longer check.");
    if (is("replay-names-folder", "") || is("replay-without-levels", ""))
        return WorldTable::tr("The game does not carry its levels, so the world table cannot check it.");
    if (is("replay-not-from-start", "nn"))
        return WorldTable::tr("The game starts at level %1 with a score of %2; the world table checks only whole "
                              "games, played from level 1.")
            .arg(a.n(0))
            .arg(a.n(1));
    if (is("replay-diverged", "nss"))
        return WorldTable::tr("The world table played the game otherwise in level %1 (checkpoint %2): %3")
            .arg(a.n(0))
            .arg(a.s(1))
            .arg(a.s(2));
    if (is("replay-not-played", "s") || is("verification-failed", "s"))
        return WorldTable::tr("The world table could not play the game through: %1").arg(a.s(0));
    if (is("replay-unfinished", "n"))
        return WorldTable::tr("The game stops in level %1 before its end; the world table checks only games played "
                              "to their end.")
            .arg(a.n(0));
    if (is("verification-stopped", ""))
        return WorldTable::tr("The world table stopped checking the game before its end.");
    if (is("verification-too-long", "d"))
        return WorldTable::tr("The game takes the world table more than %1 s to check.").arg(a.d(0));
    if (is("game-elsewhere", ""))
        return WorldTable::tr("This game is already on the world table under another name.");
    if (is("game-hidden", ""))
        return WorldTable::tr("This game failed when the world table checked its games again.");
    if (is("game-not-replayable", "s"))
        return WorldTable::tr("This game can no longer be played through: %1").arg(a.s(0));
    if (is("no-such-game", ""))
        return WorldTable::tr("The world table has no such game.");
    if (is("no-games-of-set", ""))
        return WorldTable::tr("No game of this set is on the world table yet.");
    if (is("bad-limit", "n") || is("bad-page", "n"))
        return WorldTable::tr("The world table lists at most %n row(s) at once.", nullptr, a.n(0));
    if (is("bad-sort", ""))
        return WorldTable::tr("The world table cannot sort the sets that way.");
    if (is("set-unreadable", "ns"))
        return WorldTable::tr("The world table cannot read the set at line %1: %2").arg(a.n(0)).arg(a.s(1));
    if (is("too-many-levels", "nn"))
        return WorldTable::tr("A set published has at most %n level(s), not %1.", nullptr, a.n(0)).arg(a.n(1));
    if (code == u"set-refused" && a.areLevels())
        return WorldTable::tr("The world table refused %n level(s) of the set.", nullptr, int(a.size()));
    if (is("level-water-unreachable", "nn"))
        return WorldTable::tr("Too few turtles can reach the water: %1 of %2.").arg(a.n(0)).arg(a.n(1));
    if (is("level-too-hard", "nn"))
        return WorldTable::tr("The computer player passed %1 of %2 runs.").arg(a.n(0)).arg(a.n(1));
    if (is("level-plays-itself", "nn"))
        return WorldTable::tr("The level plays itself: nobody at the board passed %1 of %2 runs.")
            .arg(a.n(0))
            .arg(a.n(1));
    if (is("level-too-fast", "nn"))
        return WorldTable::tr("Its creatures step every %1 ms; in a published level they step every %2 ms at the "
                              "fastest.")
            .arg(a.n(0))
            .arg(a.n(1));
    if (is("set-not-sent", ""))
        return WorldTable::tr("The world table has no set with these levels sent within the hour.");
    if (is("set-not-published", ""))
        return WorldTable::tr("No set with these levels is published on the world table.");
    if (is("rate-limited", "sn")) {
        const QString what = a.s(0);
        if (what == u"games")
            return WorldTable::tr("Too many games sent from here: wait %n second(s).", nullptr, a.n(1));
        if (what == u"sets")
            return WorldTable::tr("Too many sets sent from here: wait %n second(s).", nullptr, a.n(1));
        if (what == u"reads")
            return WorldTable::tr("Too many requests from here: wait %n second(s).", nullptr, a.n(1));
    }
    if (is("too-many-connections", ""))
        return WorldTable::tr("Too many connections from here at once.");
    if (is("busy-connections", "") || is("busy-verifying", ""))
        return WorldTable::tr("The world table is busy; try again soon.");
    if (is("busy-judging", ""))
        return WorldTable::tr("The world table is judging as many sets as it can; send the set again later.");
    if (is("judging-failed", ""))
        return WorldTable::tr("The world table failed while it judged the set; send it again.");
    if (is("database-unavailable", "") || is("database-failed", "") || is("server-failed", ""))
        return WorldTable::tr("The world table failed; try again later.");
    return {};
}

}  // namespace

namespace AnswerJson {

std::optional<QJsonObject> object(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<qint64> count(const QJsonValue& value, qint64 least, qint64 most)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < double(least) || number > double(most) || number != double(qint64(number)))
        return std::nullopt;
    return qint64(number);
}

QString refusalText(const QJsonObject& refusal, const QString& english)
{
    const QString said =
        worded(refusal.value(QStringLiteral("code")).toString(), Args(refusal.value(QStringLiteral("args"))));
    return said.isEmpty() ? english : said;
}

QString errorText(const WorldAnswer& answer)
{
    const std::optional<QJsonObject> found = object(answer.body);
    const QString english = found ? line(found->value(QStringLiteral("error")), 300) : QString();
    if (!english.isEmpty())
        return refusalText(*found, english);
    return WorldTable::tr("The world table answered with status %1.").arg(answer.status);
}

QString line(const QJsonValue& value, qsizetype length) { return value.toString().simplified().left(length); }

}  // namespace AnswerJson
