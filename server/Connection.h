#pragma once

#include "server/DatabaseConfig.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <stdexcept>
#include <unordered_map>

// A fault of the database itself (gone, full, locked for too long): the request fails with 500.
struct StorageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One connection to the database and the statements it has prepared: preparing costs more than
// running most of the server's queries. Qt SQL takes a connection only on the thread that opened
// it, so each belongs to one thread, which alone opens, uses and closes it.
class Connection {
public:
    // A statement run and read: finished when it goes, so that SQLite holds no read snapshot
    // between requests.
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

    explicit Connection(DatabaseConfig config) : m_config(std::move(config)) {}
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return !m_name.isEmpty(); }
    // Opens it unless it is open; throws when the database cannot be reached.
    void open();
    // Drops the prepared statements with the connection.
    void close();
    // Whether an open connection still answers: a statement that failed may have failed for the
    // connection's sake (the server restarted) or its own.
    bool answers();

    const QString& name() const { return m_name; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    bool sqlite() const { return m_config.driver == u"QSQLITE"; }

    // Runs a statement with its values bound in order, prepared on its first use; throws when the
    // database refuses it. sql is one of the server's constant texts: its address is its key.
    Ran run(const char* sql, std::initializer_list<QVariant> values);

private:
    DatabaseConfig m_config;
    QString m_name;
    std::unordered_map<const char*, QSqlQuery> m_statements;
};
