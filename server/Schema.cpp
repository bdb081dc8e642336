#include "server/Schema.h"

#include "files/ReplayFile.h"
#include "server/Connection.h"
#include "server/GameSeeds.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <tuple>
#include <vector>

namespace {

struct Statement {
    const char* sql;
    bool postgresOnly = false;
    void (*code)(const QSqlDatabase&) = nullptr;  // run instead of sql
};

void exec(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw StorageError(query.lastError().text().toStdString() + " (" + sql.toStdString() + ")");
}

void exec(QSqlQuery& query)
{
    if (!query.exec())
        throw StorageError(query.lastError().text().toStdString() + " (" + query.lastQuery().toStdString() + ")");
}

// Each stored game's seeds (gameSeeds), read from its replay a page at a time: a table may hold
// more replays than memory. A game that shares a seed with one stored before is a copy of it and
// goes; one whose replay no longer reads keeps no seed, and so no identity to share.
void claimSeeds(const QSqlDatabase& db)
{
    QSqlQuery page(db), claim(db), drop(db);
    page.setForwardOnly(true);
    page.prepare(QStringLiteral("SELECT id, set_id, replay FROM games WHERE id > ? ORDER BY id LIMIT 256"));
    claim.prepare(QStringLiteral("INSERT INTO seeds (set_id, seed, game_id) VALUES (?, ?, ?) ON CONFLICT DO NOTHING"));
    for (qint64 last = 0;;) {
        page.addBindValue(last);
        exec(page);
        std::vector<std::tuple<qint64, QString, std::vector<std::uint64_t>>> games;
        while (page.next()) {
            last = page.value(0).toLongLong();
            const RecordingReading reading = readRecording(page.value(2).toByteArray());
            games.emplace_back(last, page.value(1).toString(),
                               reading.recording ? gameSeeds(*reading.recording) : std::vector<std::uint64_t>());
        }
        page.finish();
        if (games.empty())
            return;
        for (const auto& [id, set, seeds] : games) {
            std::size_t claimed = 0;
            for (const std::uint64_t seed : seeds) {
                claim.addBindValue(set);
                claim.addBindValue(QString::number(seed));
                claim.addBindValue(id);
                exec(claim);
                claimed += std::size_t(claim.numRowsAffected());
            }
            if (claimed == seeds.size())
                continue;
            for (const char* sql : {"DELETE FROM seeds WHERE game_id = ?", "DELETE FROM games WHERE id = ?"}) {
                drop.prepare(QString::fromLatin1(sql));
                drop.addBindValue(id);
                exec(drop);
            }
        }
    }
}

// The step to each version, from 1. The two databases differ only in the words for an
// automatic key and for bytes, which %ID% and %BYTES% stand for, and in what only PostgreSQL has.
const std::array<std::vector<Statement>, SchemaVersion> Steps{{
    {
        {"CREATE TABLE sets (id TEXT PRIMARY KEY, name TEXT NOT NULL, levels INTEGER NOT NULL)"},
        {"CREATE TABLE games (id %ID%, set_id TEXT NOT NULL REFERENCES sets (id), kind INTEGER NOT NULL, "
         "name TEXT NOT NULL, score INTEGER NOT NULL, submitted TEXT NOT NULL, "
         "replay_sha256 TEXT NOT NULL UNIQUE, replay %BYTES% NOT NULL)"},
        {"CREATE INDEX games_by_score ON games (set_id, score DESC, id)"},
    },
    {
        // Each set keeps its number of games and its best score, so that reading a set's table
        // never counts its games.
        {"ALTER TABLE sets ADD COLUMN games BIGINT NOT NULL DEFAULT 0"},
        {"ALTER TABLE sets ADD COLUMN best INTEGER NOT NULL DEFAULT 0"},
        {"UPDATE sets SET games = (SELECT COUNT(*) FROM games g WHERE g.set_id = sets.id), "
         "best = COALESCE((SELECT MAX(g.score) FROM games g WHERE g.set_id = sets.id), 0)"},
    },
    {
        // PostgreSQL compresses each replay it stores; lz4 does it several times faster than its
        // default for about the same size (replays stored before keep theirs). A server built
        // without lz4 keeps its default.
        {"DO $$ BEGIN ALTER TABLE games ALTER COLUMN replay SET COMPRESSION lz4; "
         "EXCEPTION WHEN feature_not_supported THEN NULL; END $$",
         true},
    },
    {
        // A game is its set and its seeds: the same game in other bytes (line ends, times, the
        // header's order) is one row, the first stored. Games that fail when verified again are
        // hidden, their rows kept and their seeds free.
        {"CREATE TABLE seeds (set_id TEXT NOT NULL, seed TEXT NOT NULL, game_id BIGINT NOT NULL REFERENCES games (id), "
         "PRIMARY KEY (set_id, seed))"},
        {"CREATE INDEX seeds_by_game ON seeds (game_id)"},
        {"ALTER TABLE games ADD COLUMN hidden INTEGER NOT NULL DEFAULT 0"},
        {"ALTER TABLE games ADD COLUMN verified TEXT"},  // by which server, NULL: none yet
        {nullptr, false, &claimSeeds},
        {"DROP INDEX games_by_score"},
        {"CREATE INDEX games_by_score ON games (set_id, score DESC, id) WHERE hidden = 0"},
        {"UPDATE sets SET games = (SELECT COUNT(*) FROM games g WHERE g.set_id = sets.id AND g.hidden = 0), "
         "best = COALESCE((SELECT MAX(g.score) FROM games g WHERE g.set_id = sets.id AND g.hidden = 0), 0)"},
    },
    {
        // Sets published by their designers: the file as sent, and how the computer player fared
        // on each level (JSON). A published set is listed before any game of it is stored.
        {"CREATE TABLE published (set_id TEXT PRIMARY KEY REFERENCES sets (id), author TEXT NOT NULL, "
         "description TEXT NOT NULL, difficulty INTEGER NOT NULL, verdicts TEXT NOT NULL, published TEXT NOT NULL, "
         "file %BYTES% NOT NULL)"},
        {"CREATE INDEX published_by_date ON published (published)"},
    },
}};

}  // namespace

void migrateSchema(const QString& connection, SqlDialect dialect)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    exec(query, QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"));
    exec(query, QStringLiteral("SELECT version FROM schema_version"));
    int version = 0;
    if (query.next()) {
        version = query.value(0).toInt();
    } else {
        exec(query, QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"));
    }
    query.finish();
    if (version > SchemaVersion)
        throw StorageError("the database was made by a newer pondrake-server (schema version " +
                           std::to_string(version) + ")");
    const bool postgres = dialect == SqlDialect::Postgres;
    for (int step = version + 1; step <= SchemaVersion; ++step) {
        if (!db.transaction())
            throw StorageError(db.lastError().text().toStdString());
        try {
            for (const Statement& statement : Steps[std::size_t(step - 1)]) {
                if (statement.postgresOnly && !postgres)
                    continue;
                if (statement.code) {
                    statement.code(db);
                    continue;
                }
                exec(query,
                     QString::fromLatin1(statement.sql)
                         .replace(QStringLiteral("%ID%"),
                                  postgres ? QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                                           : QStringLiteral("INTEGER PRIMARY KEY"))
                         .replace(QStringLiteral("%BYTES%"),
                                  postgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB")));
            }
            query.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
            query.addBindValue(step);
            if (!query.exec())
                throw StorageError(query.lastError().text().toStdString());
            if (!db.commit())
                throw StorageError(db.lastError().text().toStdString());
        } catch (const StorageError&) {
            db.rollback();
            throw;
        }
    }
}
