#pragma once

#include "server/DatabaseConfig.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <vector>

struct ThreadConnection;

// A fault of the database itself (gone, full, locked for too long): the request fails with 500.
struct StorageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct StoredGame {
    qint64 id = 0;
    QByteArray set;  // the set's identity, 64 hexadecimal digits
    int kind = 0;    // 0 typed, 1 handwritten
    QString name;
    std::int32_t score = 0;
    QString date;  // UTC, ISO 8601
};

struct NewGame {
    QByteArray set;
    QString setName;
    int levelCount = 0;
    int kind = 0;
    QString name;
    std::int32_t score = 0;
    QByteArray replay;
    QByteArray replaySha256;  // hexadecimal
};

struct SetSummary {
    QByteArray id;
    QString name;
    int levels = 0;
    qint64 games = 0;
    std::int32_t best = 0;
};

// A set's table: the set and its best games, best first.
struct SetTop {
    SetSummary set;
    std::vector<StoredGame> games;
};

// The world table in SQL: the same queries, always with bound values, for SQLite and PostgreSQL.
// Every thread that calls it gets a connection of its own, opened on its first call and closed
// when the thread ends.
class Storage {
public:
    explicit Storage(DatabaseConfig config) : m_config(std::move(config)), m_id(++s_storages) {}

    // Opens the calling thread's connection and creates or migrates the schema; false with the
    // reason when the database cannot be used.
    bool prepare(QString& error);

    std::optional<StoredGame> gameByReplay(const QByteArray& replaySha256) const;
    // Stores the game unless the same replay bytes are stored already; the stored game either way.
    StoredGame store(const NewGame& game) const;
    // The game's place in its set, from 1, and the number of games in the set.
    std::pair<qint64, qint64> rankOf(const StoredGame& game) const;
    // Nothing when no game of the set is stored.
    std::optional<SetTop> top(const QByteArray& set, int limit) const;
    // The sets with a stored game, most played first, from the offset-th.
    std::vector<SetSummary> sets(int offset, int limit) const;
    std::optional<QByteArray> replay(qint64 id) const;

private:
    ThreadConnection& connection() const;

    DatabaseConfig m_config;
    // SQLite takes one writer at a time and makes the others sleep and try again: the server's
    // own writers queue here instead.
    mutable std::mutex m_writer;
    int m_id;  // tells this storage's connections from another's on the same thread
    static inline std::atomic<int> s_storages{0};
};
