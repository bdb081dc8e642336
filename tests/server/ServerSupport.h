#pragma once

// A real pondrake-server for the tests: started on 127.0.0.1 at a free port with a scratch SQLite
// file, or on the PostgreSQL database that PONDRAKE_TEST_POSTGRES names (a socket folder; see
// with_postgres.sh), and stopped with SIGTERM.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The database URL of one of the throwaway cluster's databases, or empty for SQLite.
inline QString testDatabaseUrl(const char* database)
{
    const QByteArray socket = qgetenv("PONDRAKE_TEST_POSTGRES");
    return socket.isEmpty()
               ? QString()
               : QStringLiteral("postgresql://pondrake@/%1?host=%2").arg(database, QString::fromUtf8(socket));
}

inline QByteArray testFile(const QString& path)
{
    QFile file(QStringLiteral(PONDRAKE_TEST_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The replay without its header lines that start with the word.
inline QByteArray withoutLine(QByteArray replay, const QByteArray& word)
{
    QByteArrayList lines = replay.split('\n');
    lines.removeIf([&](const QByteArray& line) { return line.startsWith(word + ' '); });
    return lines.join('\n');
}

class RunningServer {
public:
    explicit RunningServer(const QStringList& options)
    {
        const QString url = testDatabaseUrl("http");
        QStringList arguments{"--listen", "127.0.0.1:0", "--data", m_dir.path()};
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

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_log;
    int m_port = 0;
};
