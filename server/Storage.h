#pragma once

#include "server/DatabasePool.h"
#include "server/SetJudgement.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

struct StoredGame {
    qint64 id = 0;
    QByteArray set;  // the set's identity, 64 hexadecimal digits
    int kind = 0;    // 0 typed, 1 handwritten
    QString name;
    std::int32_t score = 0;
    QString date;  // UTC, ISO 8601
};

// A stored game with its place in its set, from 1, and the number of games in the set.
struct PlacedGame {
    StoredGame game;
    qint64 rank = 0;
    qint64 games = 0;
    bool fresh = false;   // stored by this call
    bool hidden = false;  // failed when verified again: in no answer
};

struct NewGame {
    QByteArray set;
    QString setName;
    int levelCount = 0;
    std::vector<std::uint64_t> seeds;
    int kind = 0;
    QString name;
    std::int32_t score = 0;
    QByteArray replay;
    QByteArray replaySha256;  // hexadecimal
};

// What a set's designer published with it.
struct Publication {
    QString author;
    QString description;
    int difficulty = 0;  // its hardest level's
    QString date;        // UTC, ISO 8601
};

struct SetSummary {
    QByteArray id;
    QString name;
    int levels = 0;
    qint64 games = 0;
    std::int32_t best = 0;
    std::optional<Publication> publication;  // nothing for a set nobody published
};

// A set to publish, or one published.
struct PublishedSet {
    SetSummary set;
    std::vector<JudgedLevel> verdicts;
};

enum class SetOrder { Games, Newest, Difficulty };

// A set's table: the set and its best games, best first.
struct SetTop {
    SetSummary set;
    std::vector<StoredGame> games;
};

// A shown game and its set.
struct ShownGame {
    StoredGame game;
    SetSummary set;
};

// A stored game as the verifier needs it again.
struct StoredReplay {
    qint64 id = 0;
    QByteArray set;
    std::int32_t score = 0;
    QByteArray replay;
};

// The world table in SQL: the same queries, always with bound values, for SQLite and PostgreSQL,
// run by a pool of database threads. A game is one row: its set and its seeds are its identity.
// Games hidden when verified again keep their rows but take no part in any answer or count.
class Storage {
public:
    Storage(const DatabaseConfig& config, unsigned connections);

    // Creates or migrates the schema; false with the reason when the database cannot be used.
    bool prepare(QString& error);
    // Throws unless the database answers.
    void check();

    // The game stored with these very bytes, hidden or not.
    std::optional<PlacedGame> gameByReplay(const QByteArray& replaySha256);
    // Stores the game unless the same game (a seed of it in its set) is stored already: the stored
    // game either way.
    PlacedGame store(const NewGame& game);
    // Nothing when no game of the set is stored.
    std::optional<SetTop> top(const QByteArray& set, int limit);
    // The sets with a shown game or published, or the published only, from the offset-th: the
    // most played first, the last published first, or the easiest first.
    std::vector<SetSummary> sets(int offset, int limit, SetOrder order = SetOrder::Games, bool publishedOnly = false);
    // Publishes the set unless its levels were published already: the stored set either way. A
    // published set's name is the one its table shows from then on.
    PublishedSet publish(const PublishedSet& published, const QByteArray& file);
    // Nothing for a set nobody published.
    std::optional<PublishedSet> published(const QByteArray& set);
    std::optional<QByteArray> publishedFile(const QByteArray& set);
    std::optional<QByteArray> replay(qint64 id);
    // Nothing for an unknown or hidden game.
    std::optional<ShownGame> shownGame(qint64 id);

    // Each game keeps which server verified it last. Shown games after the id that no server of
    // this version verified (all: every shown game), by id, at most limit of them.
    std::vector<StoredReplay> unverified(qint64 after, bool all, int limit);
    qint64 unverifiedCount(bool all);
    void markVerified(qint64 id);
    // Takes the game out of every answer and counts its set again.
    void hide(qint64 id);

private:
    std::optional<PublishedSet> published(Connection& connection, const QByteArray& set) const;
    // A set's row and its publication, read from column first on (SetColumns).
    SetSummary setAt(const QSqlQuery& q, int first) const;
    PlacedGame placed(Connection& connection, const StoredGame& game, bool fresh, bool hidden) const;
    // The stored game the new one is: by a seed, else by its bytes.
    PlacedGame sameAs(Connection& connection, const NewGame& game) const;
    // The set's name as shown: the shipped pack's own, else the one its first stored game carried.
    QString shownName(const QByteArray& set, const QString& stored) const;
    // SQLite takes one writer at a time and makes the others sleep and try again: the server's
    // own writers queue here instead.
    std::unique_lock<std::mutex> writing(const Connection& connection);

    const bool m_postgres;
    const QByteArray m_shipped;  // the shipped pack's identity
    std::mutex m_writer;
    DatabasePool m_pool;  // last: its threads end before the rest goes
};
