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

// The connection of one thread and the statements it has prepared, kept until the thread ends:
// preparing costs more than running most of these queries.
struct ThreadConnection {
    QString name;
    std::unordered_map<const char*, QSqlQuery> statements;  // by the text's address
    ThreadConnection() = default;
    ThreadConnection(const ThreadConnection&) = delete;
    ThreadConnection& operator=(const ThreadConnection&) = delete;
    ~ThreadConnection()
    {
        if (name.isEmpty())
            return;
        statements.clear();
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
};

namespace {

// A statement run and read: finished when it goes, so that SQLite holds no read snapshot between
// requests.
class Ran {
public:
    explicit Ran(QSqlQuery& query) : m_query(query) {}
    Ran(const Ran&) = delete;
    Ran& operator=(const Ran&) = delete;
    ~Ran() { m_query.finish(); }
    QSqlQuery* operator->() const { return &m_query; }
    const QSqlQuery& operator*() const { return m_query; }

private:
    QSqlQuery& m_query;
};

// Runs a statement with its values bound in order, prepared on the connection's first use of it;
// throws when the database refuses it. sql is one of the constant texts below.
Ran run(ThreadConnection& connection, const char* sql, std::initializer_list<QVariant> values)
{
    auto [at, fresh] = connection.statements.try_emplace(sql, QSqlDatabase::database(connection.name, false));
    QSqlQuery& query = at->second;
    if (fresh) {
        query.setForwardOnly(true);
        if (!query.prepare(QString::fromLatin1(sql))) {
            const std::string why = query.lastError().text().toStdString();
            connection.statements.erase(at);
            throw StorageError(why);
        }
    }
    int position = 0;
    for (const QVariant& value : values)
        query.bindValue(position++, value);
    if (!query.exec()) {
        const std::string why = query.lastError().text().toStdString();
        query.finish();
        throw StorageError(why);
    }
    return Ran(query);
}

StoredGame gameAt(const QSqlQuery& q)
{
    return {q.value(0).toLongLong(), q.value(1).toByteArray(), q.value(2).toInt(),
            q.value(3).toString(),   q.value(4).toInt(),       q.value(5).toString()};
}

}  // namespace

ThreadConnection& Storage::connection() const
{
    static std::atomic<int> opened{0};
    thread_local std::unordered_map<int, ThreadConnection> connections;
    ThreadConnection& local = connections[m_id];
    if (!local.name.isEmpty())
        return local;
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
        QSqlQuery pragma(db);
        for (const char* setting : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"})
            if (!pragma.exec(QString::fromLatin1(setting)))
                throw StorageError(pragma.lastError().text().toStdString());
    }
    return local;
}

bool Storage::prepare(QString& error)
{
    try {
        migrateSchema(connection().name, m_config.driver == u"QPSQL" ? SqlDialect::Postgres : SqlDialect::Sqlite);
        return true;
    } catch (const StorageError& e) {
        error = QString::fromStdString(e.what());
        return false;
    }
}

std::optional<StoredGame> Storage::gameByReplay(const QByteArray& replaySha256) const
{
    const Ran q =
        run(connection(), "SELECT id, set_id, kind, name, score, submitted FROM games WHERE replay_sha256 = ?",
            {QString::fromLatin1(replaySha256)});
    return q->next() ? std::optional<StoredGame>(gameAt(*q)) : std::nullopt;
}

StoredGame Storage::store(const NewGame& game) const
{
    ThreadConnection& connection = this->connection();
    QSqlDatabase db = QSqlDatabase::database(connection.name, false);
    std::unique_lock writing(m_writer, std::defer_lock);
    if (m_config.driver == u"QSQLITE")
        writing.lock();
    if (!db.transaction())
        throw StorageError(db.lastError().text().toStdString());
    std::optional<StoredGame> stored;
    try {
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        run(connection, "INSERT INTO sets (id, name, levels) VALUES (?, ?, ?) ON CONFLICT (id) DO NOTHING",
            {QString::fromLatin1(game.set), game.setName, game.levelCount});
        {  // finished before the commit
            const Ran inserted = run(connection,
                                     "INSERT INTO games (set_id, kind, name, score, submitted, replay_sha256, replay) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (replay_sha256) DO NOTHING RETURNING id",
                                     {QString::fromLatin1(game.set), game.kind, game.name, game.score, now,
                                      QString::fromLatin1(game.replaySha256), game.replay});
            if (inserted->next())
                stored = StoredGame{inserted->value(0).toLongLong(), game.set, game.kind, game.name, game.score, now};
        }
        if (stored)
            run(connection,
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
    if (!stored)  // the same replay was stored before
        stored = gameByReplay(game.replaySha256);
    if (stored)
        return *stored;
    throw StorageError("the game stored is not in the table");
}

std::pair<qint64, qint64> Storage::rankOf(const StoredGame& game) const
{
    const Ran q = run(connection(),
                      "SELECT COUNT(*), (SELECT games FROM sets WHERE id = ?) FROM games "
                      "WHERE set_id = ? AND (score > ? OR (score = ? AND id < ?))",
                      {QString::fromLatin1(game.set), QString::fromLatin1(game.set), game.score, game.score, game.id});
    q->next();
    return {q->value(0).toLongLong() + 1, q->value(1).toLongLong()};
}

std::optional<SetTop> Storage::top(const QByteArray& set, int limit) const
{
    const Ran q = run(connection(),
                      "SELECT g.id, g.set_id, g.kind, g.name, g.score, g.submitted, s.name, s.levels, s.games, s.best "
                      "FROM games g JOIN sets s ON s.id = g.set_id WHERE g.set_id = ? "
                      "ORDER BY g.score DESC, g.id LIMIT ?",
                      {QString::fromLatin1(set), limit});
    std::optional<SetTop> table;
    while (q->next()) {
        if (!table)
            table = SetTop{
                {set, q->value(6).toString(), q->value(7).toInt(), q->value(8).toLongLong(), q->value(9).toInt()}, {}};
        table->games.push_back(gameAt(*q));
    }
    return table;
}

std::vector<SetSummary> Storage::sets(int offset, int limit) const
{
    // A set is listed once a game of it is stored.
    const Ran q = run(connection(),
                      "SELECT id, name, levels, games, best FROM sets WHERE games > 0 ORDER BY games DESC, id "
                      "LIMIT ? OFFSET ?",
                      {limit, offset});
    std::vector<SetSummary> sets;
    while (q->next())
        sets.push_back({q->value(0).toByteArray(), q->value(1).toString(), q->value(2).toInt(),
                        q->value(3).toLongLong(), q->value(4).toInt()});
    return sets;
}

std::optional<QByteArray> Storage::replay(qint64 id) const
{
    const Ran q = run(connection(), "SELECT replay FROM games WHERE id = ?", {id});
    return q->next() ? std::optional<QByteArray>(q->value(0).toByteArray()) : std::nullopt;
}
