#pragma once

// A real pondrake-server for the tests: started on 127.0.0.1 at a free port with a scratch SQLite
// file, or on the PostgreSQL database that PONDRAKE_TEST_POSTGRES names (a socket folder; see
// with_postgres.sh), and stopped with SIGTERM.

#include "tests/support/FileTestSupport.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <httplib.h>

#include <csignal>
#include <functional>
#include <latch>
#include <thread>

// The database URL of one of the throwaway cluster's databases, or empty for SQLite.
inline QString testDatabaseUrl(const char* database)
{
    const QByteArray socket = qgetenv("PONDRAKE_TEST_POSTGRES");
    return socket.isEmpty()
               ? QString()
               : QStringLiteral("postgresql://pondrake@/%1?host=%2").arg(database, QString::fromUtf8(socket));
}

// A self-contained game of tests/server/games (made by server_games golden, as the README says).
inline QByteArray serverGame(const char* name)
{
    return readFile(QStringLiteral(PONDRAKE_TEST_DIR "/server/games/%1.replay").arg(name));
}

// The same game as other bytes: its end comes n milliseconds later, which the rules never see.
inline QByteArray variant(const QByteArray& replay, int n)
{
    const qsizetype end = replay.lastIndexOf('\n', replay.size() - 2) + 1;
    const qsizetype space = replay.indexOf(' ', end);
    return replay.left(end) + QByteArray::number(replay.mid(end, space - end).toLongLong() + n) + replay.mid(space);
}

// A request's body: the replay and the name line.
inline QByteArray gameBody(const QByteArray& replay, int kind, const QString& name)
{
    return QJsonDocument(QJsonObject{{"replay", QString::fromUtf8(replay)},
                                     {"entry", QJsonObject{{"kind", kind}, {"name", name}}}})
        .toJson(QJsonDocument::Compact);
}

// A JSON object written out, its %1, %2, ... filled in with args.
// A refusal's code and arguments as one line, as in: bad-limit [100].
inline QString refusalOf(const QJsonObject& answer)
{
    return answer.value("code").toString() + ' ' +
           QString::fromUtf8(QJsonDocument(answer.value("args").toArray()).toJson(QJsonDocument::Compact));
}

inline QJsonObject jsonOf(const char* text, const QStringList& args = {})
{
    QString filled = QString::fromUtf8(text);
    for (const QString& arg : args)
        filled = filled.arg(arg);
    return QJsonDocument::fromJson(filled.toUtf8()).object();
}

class RunningServer {
public:
    // On the PostgreSQL database of that name, or a SQLite table in dataFolder (a scratch one when empty).
    RunningServer(const QStringList& options, const char* database, const QString& dataFolder = {})
    {
        const QString url = testDatabaseUrl(database);
        QStringList arguments{"--listen", "127.0.0.1:0", "--data", dataFolder.isEmpty() ? m_dir.path() : dataFolder};
        if (!url.isEmpty())
            arguments << "--database" << url;
        m_process.setReadChannel(QProcess::StandardError);
        m_process.start(QStringLiteral(PONDRAKE_SERVER), arguments + options);
        // The first line names the port; ten seconds is far beyond a start on a busy machine.
        while (m_port == 0 && m_process.waitForReadyRead(10'000)) {
            m_log += m_process.readAllStandardError();
            const qsizetype at = m_log.indexOf("listening on 127.0.0.1:");
            if (at >= 0 && m_log.indexOf('\n', at) > at)
                m_port = m_log.mid(at + 23, m_log.indexOf(',', at) - at - 23).toInt();
        }
    }

    ~RunningServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    int port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }

    // SIGTERM; the exit code, and the log from the start to the end.
    int stop()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(30'000))
            return -1;
        m_log += m_process.readAllStandardError();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -2;
    }
    const QByteArray& log() const { return m_log; }
    // Reads the log until it holds the text; false when the server ends first or is silent for a minute.
    bool waitFor(const QByteArray& text)
    {
        while (!m_log.contains(text) && m_process.waitForReadyRead(60'000))
            m_log += m_process.readAllStandardError();
        return m_log.contains(text);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_log;
    int m_port = 0;
};

// HTTP to the server on 127.0.0.1, the answers' JSON objects (empty when there is no answer).
class Client {
public:
    explicit Client(int port) : m_client("127.0.0.1", port) { m_client.set_read_timeout(30); }
    QJsonObject post(const QByteArray& body)
    {
        return json(m_client.Post("/api/v1/games", body.toStdString(), "application/json"));
    }
    QJsonObject get(const std::string& path) { return json(m_client.Get(path)); }
    QByteArray raw(const std::string& path)
    {
        const httplib::Result result = m_client.Get(path);
        return result ? QByteArray::fromStdString(result->body) : QByteArray();
    }

private:
    static QJsonObject json(const httplib::Result& result)
    {
        return result ? QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object() : QJsonObject();
    }
    httplib::Client m_client;
};

struct Sent {
    int status = 0;  // 0: no answer
    qint64 id = 0;
    std::string retryAfter;
};

// Each body sent at once by a thread of its own; answered(i, sent) is called as each answer comes.
inline std::vector<Sent> sendAtOnce(int port, const std::vector<QByteArray>& bodies,
                                    const std::function<void(const Sent&)>& answered = {})
{
    std::signal(SIGPIPE, SIG_IGN);  // a full server closes a connection before its body is sent
    std::vector<Sent> sent(bodies.size());
    std::latch ready(std::ptrdiff_t(bodies.size()));
    std::vector<std::jthread> senders;
    for (std::size_t i = 0; i < bodies.size(); ++i)
        senders.emplace_back([&, i] {
            httplib::Client client("127.0.0.1", port);
            client.set_read_timeout(60);
            ready.arrive_and_wait();
            if (const httplib::Result r = client.Post("/api/v1/games", bodies[i].toStdString(), "application/json")) {
                const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(r->body)).object();
                sent[i] = {r->status, answer.value("id").toInteger(), r->get_header_value("Retry-After")};
            }
            if (answered)
                answered(sent[i]);
        });
    senders.clear();
    return sent;
}
