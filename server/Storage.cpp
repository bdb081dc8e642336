#include "server/Storage.h"

#include "files/sets/SetPaths.h"
#include "server/Schema.h"
#include "server/ShippedSet.h"

#include <QDateTime>
#include <QSqlError>

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

}  // namespace

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
            connection.run("SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted, s.name, s.levels, s.games, "
                           "s.best FROM games g JOIN sets s ON s.id = g.set_id WHERE g.set_id = ? AND g.hidden = 0 "
                           "ORDER BY g.score DESC, g.id LIMIT ?",
                           {QString::fromLatin1(set), limit});
        std::optional<SetTop> table;
        while (q->next()) {
            if (!table)
                table = SetTop{{set, shownName(set, q->value(6).toString()), q->value(7).toInt(),
                                q->value(8).toLongLong(), q->value(9).toInt()},
                               {}};
            table->games.push_back(gameAt(*q));
        }
        return table;
    });
}

std::optional<ShownGame> Storage::shownGame(qint64 id)
{
    return m_pool.run([&](Connection& connection) -> std::optional<ShownGame> {
        const Connection::Ran q =
            connection.run("SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted, s.name, s.levels, s.games, "
                           "s.best FROM games g JOIN sets s ON s.id = g.set_id WHERE g.id = ? AND g.hidden = 0",
                           {id});
        if (!q->next())
            return std::nullopt;
        const StoredGame game = gameAt(*q);
        return ShownGame{game,
                         {game.set, shownName(game.set, q->value(6).toString()), q->value(7).toInt(),
                          q->value(8).toLongLong(), q->value(9).toInt()}};
    });
}

std::vector<SetSummary> Storage::sets(int offset, int limit)
{
    return m_pool.run([&](Connection& connection) {
        // A set is listed once a game of it is shown.
        const Connection::Ran q = connection.run(
            "SELECT id, name, levels, games, best FROM sets WHERE games > 0 ORDER BY games DESC, id LIMIT ? OFFSET ?",
            {limit, offset});
        std::vector<SetSummary> sets;
        while (q->next()) {
            const QByteArray id = q->value(0).toByteArray();
            sets.push_back({id, shownName(id, q->value(1).toString()), q->value(2).toInt(), q->value(3).toLongLong(),
                            q->value(4).toInt()});
        }
        return sets;
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
