#include "server/Storage.h"

#include "files/sets/SetPaths.h"
#include "server/Schema.h"
#include "server/ShippedSet.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>

#include <array>
#include <string>

namespace {

// The server that verified a game, as the games' rows keep it.
const QString VerifiedBy = QStringLiteral("pondrake-server " PONDRAKE_VERSION);

StoredGame gameAt(const QSqlQuery& q)
{
    return {q.value(0).toLongLong(), q.value(1).toByteArray(), q.value(2).toInt(),
            q.value(3).toString(),   q.value(4).toInt(),       q.value(5).toString()};
}

// Runs work in a transaction: committed when it returns true, rolled back when it returns false
// or throws. What work returned.
template <class Work>
bool transaction(Connection& connection, Work work)
{
    QSqlDatabase db = connection.database();
    if (!db.transaction())
        throw StorageError(db.lastError().text().toStdString());
    try {
        if (!work()) {
            db.rollback();
            return false;
        }
        if (!db.commit())
            throw StorageError(db.lastError().text().toStdString());
        return true;
    } catch (const StorageError&) {
        db.rollback();
        throw;
    }
}

// A text to bind: a null QString binds as SQL's NULL, an empty one as ''.
QString notNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

QString verdictsJson(const std::vector<JudgedLevel>& verdicts)
{
    QJsonArray levels;
    for (const JudgedLevel& level : verdicts)
        levels.append(QJsonObject{{QStringLiteral("level"), level.level},
                                  {QStringLiteral("passRate"), level.passRate},
                                  {QStringLiteral("medianSeconds"), level.medianSeconds},
                                  {QStringLiteral("difficulty"), level.difficulty},
                                  {QStringLiteral("warning"), level.warning.message},
                                  {QStringLiteral("code"), level.warning.code},
                                  {QStringLiteral("args"), level.warning.args}});
    return QString::fromUtf8(QJsonDocument(levels).toJson(QJsonDocument::Compact));
}

std::vector<JudgedLevel> verdictsOf(const QString& json)
{
    std::vector<JudgedLevel> verdicts;
    for (const QJsonValue level : QJsonDocument::fromJson(json.toUtf8()).array())
        verdicts.push_back({level[u"level"].toInt(),
                            level[u"passRate"].toDouble(),
                            level[u"medianSeconds"].toDouble(),
                            level[u"difficulty"].toInt(),
                            {level[u"warning"].toString(), level[u"code"].toString(), level[u"args"].toArray()}});
    return verdicts;
}

// The columns of a set's row and its publication, from sets s and published p, as setAt reads them.
#define SET_COLUMNS                                                                                                    \
    "s.id, s.name, s.levels, s.games, s.best, p.set_id, p.author, p.description, p.difficulty, p.published"

// Each statement is a constant text: its address is its key.
const char* setsQuery(SetOrder order, bool publishedOnly)
{
    static const std::array<const char*, 6> queries = [] {
        std::array<const char*, 6> made{};
        const char* filters[] = {"(s.games > 0 OR p.set_id IS NOT NULL)", "p.set_id IS NOT NULL"};
        const char* orders[] = {"s.games DESC, s.id", "(p.published IS NULL), p.published DESC, s.id",
                                "(p.difficulty IS NULL), p.difficulty, s.games DESC, s.id"};
        static std::array<std::string, 6> texts;
        for (std::size_t i = 0; i < made.size(); ++i) {
            texts[i] = std::string("SELECT " SET_COLUMNS " FROM sets s LEFT JOIN published p ON p.set_id = s.id "
                                   "WHERE ") +
                       filters[i % 2] + " ORDER BY " + orders[i / 2] + " LIMIT ? OFFSET ?";
            made[i] = texts[i].c_str();
        }
        return made;
    }();
    return queries[std::size_t(order) * 2 + (publishedOnly ? 1 : 0)];
}

}  // namespace

SetSummary Storage::setAt(const QSqlQuery& q, int first) const
{
    const QByteArray id = q.value(first).toByteArray();
    SetSummary set{id,
                   shownName(id, q.value(first + 1).toString()),
                   q.value(first + 2).toInt(),
                   q.value(first + 3).toLongLong(),
                   q.value(first + 4).toInt(),
                   std::nullopt};
    if (!q.value(first + 5).isNull())
        set.publication = Publication{q.value(first + 6).toString(), q.value(first + 7).toString(),
                                      q.value(first + 8).toInt(), q.value(first + 9).toString()};
    return set;
}

Storage::Storage(const DatabaseConfig& config, unsigned connections)
    : m_postgres(config.driver == u"QPSQL"), m_shipped(shippedSetIdentity()), m_pool(config, connections)
{
}

bool Storage::prepare(QString& error)
{
    try {
        m_pool.run([this](Connection& connection) {
            migrateSchema(connection.name(), m_postgres ? SqlDialect::Postgres : SqlDialect::Sqlite);
        });
        return true;
    } catch (const StorageError& e) {
        error = QString::fromStdString(e.what());
        return false;
    }
}

void Storage::check()
{
    m_pool.run([](Connection& connection) { connection.run("SELECT 1", {})->next(); });
}

std::unique_lock<std::mutex> Storage::writing(const Connection& connection)
{
    std::unique_lock lock(m_writer, std::defer_lock);
    if (connection.sqlite())
        lock.lock();
    return lock;
}

QString Storage::shownName(const QByteArray& set, const QString& stored) const
{
    return set == m_shipped ? ShippedSetName : stored;
}

PlacedGame Storage::placed(Connection& connection, const StoredGame& game, bool fresh, bool hidden) const
{
    if (hidden)
        return {game, 0, 0, fresh, true};
    const Connection::Ran q =
        connection.run("SELECT COUNT(*), (SELECT games FROM sets WHERE id = ?) FROM games "
                       "WHERE set_id = ? AND hidden = 0 AND (score > ? OR (score = ? AND id < ?))",
                       {QString::fromLatin1(game.set), QString::fromLatin1(game.set), game.score, game.score, game.id});
    q->next();
    return {game, q->value(0).toLongLong() + 1, q->value(1).toLongLong(), fresh, false};
}

std::optional<PlacedGame> Storage::gameByReplay(const QByteArray& replaySha256)
{
    return m_pool.run([&](Connection& connection) -> std::optional<PlacedGame> {
        std::optional<StoredGame> game;
        bool hidden = false;
        {
            const Connection::Ran q = connection.run(
                "SELECT id, set_id, kind, name, score, submitted, hidden FROM games WHERE replay_sha256 = ?",
                {QString::fromLatin1(replaySha256)});
            if (q->next()) {
                game = gameAt(*q);
                hidden = q->value(6).toInt() != 0;
            }
        }
        return game ? std::optional(placed(connection, *game, false, hidden)) : std::nullopt;
    });
}

PlacedGame Storage::store(const NewGame& game)
{
    return m_pool.run([&](Connection& connection) {
        const std::unique_lock lock = writing(connection);
        const QString set = QString::fromLatin1(game.set);
        StoredGame stored;
        const bool fresh = transaction(connection, [&] {
            const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
            connection.run("INSERT INTO sets (id, name, levels) VALUES (?, ?, ?) ON CONFLICT (id) DO NOTHING",
                           {set, game.setName, game.levelCount});
            {  // finished before the next statement
                const Connection::Ran inserted = connection.run(
                    "INSERT INTO games (set_id, kind, name, score, submitted, replay_sha256, replay, verified) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING RETURNING id",
                    {set, game.kind, game.name, game.score, now, QString::fromLatin1(game.replaySha256), game.replay,
                     VerifiedBy});
                if (!inserted->next())
                    return false;  // the same bytes, sent at once by another request
                stored = StoredGame{inserted->value(0).toLongLong(), game.set, game.kind, game.name, game.score, now};
            }
            for (const std::uint64_t seed : game.seeds) {
                const Connection::Ran claimed = connection.run(
                    "INSERT INTO seeds (set_id, seed, game_id) VALUES (?, ?, ?) ON CONFLICT DO NOTHING RETURNING seed",
                    {set, QString::number(seed), stored.id});
                if (!claimed->next())
                    return false;  // the same game in other bytes
            }
            connection.run(
                "UPDATE sets SET games = games + 1, best = CASE WHEN games = 0 OR best < ? THEN ? ELSE best END "
                "WHERE id = ?",
                {game.score, game.score, set});
            return true;
        });
        return fresh ? placed(connection, stored, true, false) : sameAs(connection, game);
    });
}

PlacedGame Storage::sameAs(Connection& connection, const NewGame& game) const
{
    std::optional<StoredGame> same;
    bool hidden = false;
    for (const std::uint64_t seed : game.seeds) {
        const Connection::Ran q =
            connection.run("SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted FROM seeds s "
                           "JOIN games g ON g.id = s.game_id WHERE s.set_id = ? AND s.seed = ?",
                           {QString::fromLatin1(game.set), QString::number(seed)});
        if (q->next()) {
            same = gameAt(*q);
            break;
        }
    }
    if (!same) {
        const Connection::Ran q =
            connection.run("SELECT id, set_id, kind, name, score, submitted, hidden FROM games WHERE replay_sha256 = ?",
                           {QString::fromLatin1(game.replaySha256)});
        if (!q->next())
            throw StorageError("the game is neither stored nor in the way of another");
        same = gameAt(*q);
        hidden = q->value(6).toInt() != 0;
    }
    return placed(connection, *same, false, hidden);
}

std::optional<SetTop> Storage::top(const QByteArray& set, int limit)
{
    return m_pool.run([&](Connection& connection) {
        const Connection::Ran q =
            connection.run("SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted, " SET_COLUMNS " FROM games g "
                           "JOIN sets s ON s.id = g.set_id LEFT JOIN published p ON p.set_id = s.id "
                           "WHERE g.set_id = ? AND g.hidden = 0 ORDER BY g.score DESC, g.id LIMIT ?",
                           {QString::fromLatin1(set), limit});
        std::optional<SetTop> table;
        while (q->next()) {
            if (!table)
                table = SetTop{setAt(*q, 6), {}};
            table->games.push_back(gameAt(*q));
        }
        return table;
    });
}

std::optional<ShownGame> Storage::shownGame(qint64 id)
{
    return m_pool.run([&](Connection& connection) -> std::optional<ShownGame> {
        const Connection::Ran q =
            connection.run("SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted, " SET_COLUMNS " FROM games g "
                           "JOIN sets s ON s.id = g.set_id LEFT JOIN published p ON p.set_id = s.id "
                           "WHERE g.id = ? AND g.hidden = 0",
                           {id});
        if (!q->next())
            return std::nullopt;
        return ShownGame{gameAt(*q), setAt(*q, 6)};
    });
}

std::vector<SetSummary> Storage::sets(int offset, int limit, SetOrder order, bool publishedOnly)
{
    return m_pool.run([&](Connection& connection) {
        // A set is listed once a game of it is shown, or once it is published.
        const Connection::Ran q = connection.run(setsQuery(order, publishedOnly), {limit, offset});
        std::vector<SetSummary> sets;
        while (q->next())
            sets.push_back(setAt(*q, 0));
        return sets;
    });
}

std::optional<PublishedSet> Storage::published(Connection& connection, const QByteArray& set) const
{
    const Connection::Ran q = connection.run(
        "SELECT " SET_COLUMNS ", p.verdicts FROM sets s JOIN published p ON p.set_id = s.id WHERE s.id = ?",
        {QString::fromLatin1(set)});
    if (!q->next())
        return std::nullopt;
    return PublishedSet{setAt(*q, 0), verdictsOf(q->value(10).toString())};
}

std::optional<PublishedSet> Storage::published(const QByteArray& set)
{
    return m_pool.run([&](Connection& connection) { return published(connection, set); });
}

PublishedSet Storage::publish(const PublishedSet& published, const QByteArray& file)
{
    return m_pool.run([&](Connection& connection) {
        const std::unique_lock lock = writing(connection);
        const SetSummary& set = published.set;
        const QString id = QString::fromLatin1(set.id);
        transaction(connection, [&] {
            connection.run("INSERT INTO sets (id, name, levels) VALUES (?, ?, ?) ON CONFLICT (id) DO NOTHING",
                           {id, set.name, set.levels});
            {  // finished before the next statement
                const Connection::Ran inserted = connection.run(
                    "INSERT INTO published (set_id, author, description, difficulty, verdicts, published, file) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING RETURNING set_id",
                    {id, notNull(set.publication->author), notNull(set.publication->description),
                     set.publication->difficulty, verdictsJson(published.verdicts),
                     QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs), file});
                if (!inserted->next())
                    return false;  // published first by another
            }
            // Its games' table is shown under the name its designer gave it.
            connection.run("UPDATE sets SET name = ? WHERE id = ?", {set.name, id});
            return true;
        });
        std::optional<PublishedSet> stored = this->published(connection, set.id);
        if (!stored)
            throw StorageError("a set published is not in the table");
        return std::move(*stored);
    });
}

std::optional<QByteArray> Storage::publishedFile(const QByteArray& set)
{
    return m_pool.run([&](Connection& connection) {
        const Connection::Ran q =
            connection.run("SELECT file FROM published WHERE set_id = ?", {QString::fromLatin1(set)});
        return q->next() ? std::optional<QByteArray>(q->value(0).toByteArray()) : std::nullopt;
    });
}

std::optional<QByteArray> Storage::replay(qint64 id)
{
    return m_pool.run([&](Connection& connection) {
        const Connection::Ran q = connection.run("SELECT replay FROM games WHERE id = ? AND hidden = 0", {id});
        return q->next() ? std::optional<QByteArray>(q->value(0).toByteArray()) : std::nullopt;
    });
}

std::vector<StoredReplay> Storage::unverified(qint64 after, bool all, int limit)
{
    return m_pool.run([&](Connection& connection) {
        const Connection::Ran q =
            connection.run("SELECT id, set_id, score, replay FROM games WHERE id > ? AND hidden = 0 "
                           "AND (? = 1 OR verified IS NULL OR verified <> ?) ORDER BY id LIMIT ?",
                           {after, int(all), VerifiedBy, limit});
        std::vector<StoredReplay> games;
        while (q->next())
            games.push_back(
                {q->value(0).toLongLong(), q->value(1).toByteArray(), q->value(2).toInt(), q->value(3).toByteArray()});
        return games;
    });
}

qint64 Storage::unverifiedCount(bool all)
{
    return m_pool.run([&](Connection& connection) {
        const Connection::Ran q = connection.run(
            "SELECT COUNT(*) FROM games WHERE hidden = 0 AND (? = 1 OR verified IS NULL OR verified <> ?)",
            {int(all), VerifiedBy});
        return q->next() ? q->value(0).toLongLong() : 0;
    });
}

void Storage::markVerified(qint64 id)
{
    m_pool.run([&](Connection& connection) {
        const std::unique_lock lock = writing(connection);
        connection.run("UPDATE games SET verified = ? WHERE id = ?", {VerifiedBy, id});
    });
}

void Storage::hide(qint64 id)
{
    m_pool.run([&](Connection& connection) {
        const std::unique_lock lock = writing(connection);
        transaction(connection, [&] {
            connection.run("UPDATE games SET hidden = 1 WHERE id = ?", {id});
            connection.run("DELETE FROM seeds WHERE game_id = ?", {id});
            connection.run(CountSetAgain, {id});
            return true;
        });
    });
}
