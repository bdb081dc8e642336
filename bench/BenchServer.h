#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The real world-table server for a bench: SERVER started on 127.0.0.1 at a port of its choosing,
// with no limit on rates or connections, its table and log in a scratch folder. Stopped with it.
class BenchServer {
public:
    BenchServer(const QString& server, const QStringList& arguments);
    ~BenchServer();

    int port() const { return m_port; }  // 0 when it did not start
    qint64 pid() const { return m_process.processId(); }

private:
    QTemporaryDir m_scratch;
    QProcess m_process;
    int m_port = 0;
};
