#include "server/Storage.h"

#include "server/Schema.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <initializer_list>
#include <unordered_map>

namespace {

// The connection of one thread, removed when the thread ends.
struct ThreadConnection {
    QString name;
    ThreadConnection() = default;
    ThreadConnection(const ThreadConnection&) = delete;
    ThreadConnection& operator=(const ThreadConnection&) = delete;
    ~ThreadConnection()
    {
        if (name.isEmpty())
            return;
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
};

// Runs a query with its values bound in order; throws when the database refuses it.
QSqlQuery run(const QString& connection, const char* sql, std::initializer_list<QVariant> values)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    if (!query.prepare(QString::fromLatin1(sql)))
        throw StorageError(query.lastError().text().toStdString());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw StorageError(query.lastError().text().toStdString());
    return query;
}

StoredGame gameAt(const QSqlQuery& q)
{
    return {q.value(0).toLongLong(), q.value(1).toByteArray(), q.value(2).toInt(),
            q.value(3).toString(),   q.value(4).toInt(),       q.value(5).toString()};
}

}  // namespace

QString Storage::connection() const
{
    static std::atomic<int> opened{0};
    thread_local std::unordered_map<int, ThreadConnection> connections;
    ThreadConnection& local = connections[m_id];
    if (!local.name.isEmpty())
        return local.name;
    QString name = QStringLiteral("pondrake-%1").arg(opened++);
    QSqlDatabase db = QSqlDatabase::addDatabase(m_config.driver, name);
    db.setDatabaseName(m_config.databaseName);
    db.setHostName(m_config.host);
    db.setPort(m_config.port);
    db.setUserName(m_config.user);
    db.setPassword(m_config.password);
    const bool sqlite = m_config.driver == u"QSQLITE";
    // Writers wait for each other's transactions instead of failing at once.
    db.setConnectOptions(sqlite ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000") : QStringLiteral("connect_timeout=10"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw StorageError("cannot open the database: " + why.toStdString());
    }
    local.name = name;
    if (sqlite) {
        // WAL: readers never wait for the writer; NORMAL: a power cut may lose the last commits,
        // never the file's integrity.
        run(name, "PRAGMA journal_mode=WAL", {});
        run(name, "PRAGMA synchronous=NORMAL", {});
        run(name, "PRAGMA foreign_keys=ON", {});
    }
    return name;
}

bool Storage::prepare(QString& error)
{
    try {
        const QString name = connection();
        migrateSchema(name, m_config.driver == u"QPSQL" ? SqlDialect::Postgres : SqlDialect::Sqlite);
        return true;
    } catch (const StorageError& e) {
        error = QString::fromStdString(e.what());
        return false;
    }
}

std::optional<StoredGame> Storage::gameByReplay(const QByteArray& replaySha256) const
{
    QSqlQuery q =
        run(connection(), "SELECT id, set_id, kind, name, score, submitted FROM games WHERE replay_sha256 = ?",
            {QString::fromLatin1(replaySha256)});
    return q.next() ? std::optional<StoredGame>(gameAt(q)) : std::nullopt;
}

StoredGame Storage::store(const NewGame& game) const
{
    const QString name = connection();
    QSqlDatabase db = QSqlDatabase::database(name, false);
    std::unique_lock writing(m_writer, std::defer_lock);
    if (m_config.driver == u"QSQLITE")
        writing.lock();
    if (!db.transaction())
        throw StorageError(db.lastError().text().toStdString());
    try {
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        run(name, "INSERT INTO sets (id, name, levels) VALUES (?, ?, ?) ON CONFLICT (id) DO NOTHING",
            {QString::fromLatin1(game.set), game.setName, game.levelCount});
        const QSqlQuery inserted =
            run(name,
                "INSERT INTO games (set_id, kind, name, score, submitted, replay_sha256, replay) "
                "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (replay_sha256) DO NOTHING",
                {QString::fromLatin1(game.set), game.kind, game.name, game.score, now,
                 QString::fromLatin1(game.replaySha256), game.replay});
        if (inserted.numRowsAffected() == 1)
            run(name,
                "UPDATE sets SET games = games + 1, best = CASE WHEN games = 0 OR best < ? THEN ? ELSE best END "
                "WHERE id = ?",
                {game.score, game.score, QString::fromLatin1(game.set)});
        if (!db.commit())
            throw StorageError(db.lastError().text().toStdString());
    } catch (const StorageError&) {
        db.rollback();
        throw;
    }
    if (writing.owns_lock())
        writing.unlock();
    if (std::optional<StoredGame> stored = gameByReplay(game.replaySha256))
        return *stored;
    throw StorageError("the game stored is not in the table");
}

std::pair<qint64, qint64> Storage::rankOf(const StoredGame& game) const
{
    const QString name = connection();
    QSqlQuery above = run(name, "SELECT COUNT(*) FROM games WHERE set_id = ? AND (score > ? OR (score = ? AND id < ?))",
                          {QString::fromLatin1(game.set), game.score, game.score, game.id});
    QSqlQuery all = run(name, "SELECT games FROM sets WHERE id = ?", {QString::fromLatin1(game.set)});
    above.next();
    all.next();
    return {above.value(0).toLongLong() + 1, all.value(0).toLongLong()};
}

std::vector<StoredGame> Storage::top(const QByteArray& set, int limit) const
{
    QSqlQuery q = run(connection(),
                      "SELECT id, set_id, kind, name, score, submitted FROM games WHERE set_id = ? "
                      "ORDER BY score DESC, id LIMIT ?",
                      {QString::fromLatin1(set), limit});
    std::vector<StoredGame> games;
    while (q.next())
        games.push_back(gameAt(q));
    return games;
}

namespace {
// A set is listed once a game of it is stored.
constexpr const char* SetsQuery = "SELECT id, name, levels, games, best FROM sets WHERE games > 0 ";

SetSummary setAt(const QSqlQuery& q)
{
    return {q.value(0).toByteArray(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toLongLong(),
            q.value(4).toInt()};
}
}  // namespace

std::optional<SetSummary> Storage::set(const QByteArray& id) const
{
    QSqlQuery q = run(connection(), (std::string(SetsQuery) + "AND id = ?").c_str(), {QString::fromLatin1(id)});
    return q.next() ? std::optional<SetSummary>(setAt(q)) : std::nullopt;
}

std::vector<SetSummary> Storage::sets() const
{
    QSqlQuery q = run(connection(), (std::string(SetsQuery) + "ORDER BY games DESC, id").c_str(), {});
    std::vector<SetSummary> sets;
    while (q.next())
        sets.push_back(setAt(q));
    return sets;
}

std::optional<QByteArray> Storage::replay(qint64 id) const
{
    QSqlQuery q = run(connection(), "SELECT replay FROM games WHERE id = ?", {id});
    return q.next() ? std::optional<QByteArray>(q.value(0).toByteArray()) : std::nullopt;
}
