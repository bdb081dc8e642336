#pragma once

#include <QString>

enum class SqlDialect { Sqlite, Postgres };

// The schema's version as this server writes it.
inline constexpr int SchemaVersion = 5;

// Creates the tables on a new database, or brings an older one up to SchemaVersion, one step per
// version, each in a transaction with the version row. Throws StorageError on a database made by
// a newer server, or one that refuses a step.
void migrateSchema(const QString& connection, SqlDialect dialect);

// Counts the shown games and the best score again of the set of the game whose id is bound.
inline constexpr char CountSetAgain[] =
    "UPDATE sets SET games = (SELECT COUNT(*) FROM games g WHERE g.set_id = sets.id AND g.hidden = 0), "
    "best = COALESCE((SELECT MAX(g.score) FROM games g WHERE g.set_id = sets.id AND g.hidden = 0), 0) "
    "WHERE id = (SELECT set_id FROM games WHERE id = ?)";
