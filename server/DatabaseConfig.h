#pragma once

#include <QString>

#include <optional>

// Where the world table lives: a SQLite file (the default) or a PostgreSQL database.
struct DatabaseConfig {
    QString driver;        // QSQLITE or QPSQL
    QString databaseName;  // the SQLite file, or the PostgreSQL database
    QString host;          // a host name, or a folder holding PostgreSQL's Unix socket
    int port = -1;
    QString user;
    QString password;
};

// The SQLite file world.sqlite in the folder, which is made when it is missing.
std::optional<DatabaseConfig> sqliteConfig(const QString& folder, QString& error);

// postgresql://USER[:PASSWORD]@[HOST][:PORT]/DB[?host=SOCKETDIR]. A URL cannot hold a folder as its
// host, hence the socket folder in the query.
std::optional<DatabaseConfig> postgresConfig(const QString& url, QString& error);
