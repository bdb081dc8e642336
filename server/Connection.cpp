#include "server/Connection.h"

#include <QSqlError>

#include <atomic>

void Connection::open()
{
    if (isOpen())
        return;
    static std::atomic<int> opened{0};
    const QString name = QStringLiteral("pondrake-%1").arg(opened++);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_config.driver, name);
        db.setDatabaseName(m_config.databaseName);
        db.setHostName(m_config.host);
        db.setPort(m_config.port);
        db.setUserName(m_config.user);
        db.setPassword(m_config.password);
        // Writers wait for each other's transactions instead of failing at once.
        db.setConnectOptions(sqlite() ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000")
                                      : QStringLiteral("connect_timeout=10"));
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw StorageError("cannot open the database: " + why.toStdString());
        }
    }
    m_name = name;
    if (sqlite()) {
        // WAL: readers never wait for the writer; NORMAL: a power cut may lose the last commits,
        // never the file's integrity.
        QSqlQuery pragma(database());
        for (const char* setting : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"})
            if (!pragma.exec(QString::fromLatin1(setting)))
                throw StorageError(pragma.lastError().text().toStdString());
    }
}

void Connection::close()
{
    if (!isOpen())
        return;
    m_statements.clear();
    database().close();
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

bool Connection::answers()
{
    if (!isOpen())
        return false;
    QSqlQuery probe(database());
    return probe.exec(QStringLiteral("SELECT 1")) && probe.next();
}

Connection::Ran Connection::run(const char* sql, std::initializer_list<QVariant> values)
{
    auto [at, fresh] = m_statements.try_emplace(sql, database());
    QSqlQuery& query = at->second;
    if (fresh) {
        query.setForwardOnly(true);
        if (!query.prepare(QString::fromLatin1(sql))) {
            const std::string why = query.lastError().text().toStdString();
            m_statements.erase(at);
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
