#include "bench/BenchServer.h"

#include <QFile>
#include <QThread>

BenchServer::BenchServer(const QString& server, const QStringList& arguments)
{
    m_process.setStandardErrorFile(m_scratch.filePath("server.log"));
    m_process.start(server, QStringList{"--listen", "127.0.0.1:0", "--data", m_scratch.path(), "--rate-limit", "0",
                                        "--read-limit", "0", "--connection-limit", "0", "--publish-limit", "0"} +
                                arguments);
    // The first line of the log names the port.
    for (int tries = 0; m_port == 0 && tries < 100; ++tries) {
        QThread::msleep(100);
        QFile log(m_scratch.filePath("server.log"));
        if (!log.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = log.readAll();
        if (const qsizetype at = text.indexOf("listening on 127.0.0.1:"); at >= 0 && text.indexOf('\n', at) > 0)
            m_port = text.mid(at + 23, text.indexOf(',', at) - at - 23).toInt();
    }
}

BenchServer::~BenchServer()
{
    m_process.terminate();
    m_process.waitForFinished(30'000);
}
