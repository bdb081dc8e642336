#pragma once

// A tiny HTTP server for the world table's client: it answers the requests, in order, with the
// answers given (the last one again for any after them) once each request is whole; an empty
// answer is never sent, so that request never has its answer.

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

#include <map>

class CannedServer : public QTcpServer {
public:
    explicit CannedServer(QList<QByteArray> answers) : m_answers(std::move(answers))
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { take(socket); });
        });
    }
    explicit CannedServer(const QByteArray& answer) : CannedServer(QList<QByteArray>{answer}) {}

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }

    int requests = 0;
    QList<QByteArray> heads;  // each request's line and headers, as sent
    QList<QByteArray> bodies;

private:
    void take(QTcpSocket* socket)
    {
        QByteArray& got = m_got[socket];
        got += socket->readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        const QRegularExpressionMatch length =
            QRegularExpression("Content-Length: *(\\d+)", QRegularExpression::CaseInsensitiveOption)
                .match(QString::fromLatin1(got.left(end)));
        if (end < 0 || got.size() < end + 4 + (length.hasMatch() ? length.captured(1).toInt() : 0))
            return;
        heads << got.left(end);
        bodies << got.mid(end + 4);
        got.clear();
        QByteArray answer = m_answers.value(std::min<qsizetype>(requests++, m_answers.size() - 1));
        if (answer.isEmpty())
            return;
        const qsizetype bodyAt = answer.indexOf("\r\n\r\n") + 4;
        socket->write(answer.replace("@LENGTH@", QByteArray::number(answer.size() - bodyAt)));
        socket->disconnectFromHost();
    }
    QList<QByteArray> m_answers;
    std::map<QTcpSocket*, QByteArray> m_got;
};

inline QByteArray http(int status, const QByteArray& body,
                       const QByteArray& headers = "Content-Type: application/json\r\n")
{
    return "HTTP/1.1 " + QByteArray::number(status) + " X\r\n" + headers +
           "Content-Length: @LENGTH@\r\nConnection: close\r\n\r\n" + body;
}
