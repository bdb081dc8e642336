#include "app/SingleGame.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <cstdio>

namespace {
constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 5000;                // the running game may be busy for a moment
constexpr qint64 MaxMessageBytes = 64 << 10;  // a path, and the line end
const QByteArray Taken = "ok\n";
}  // namespace

SingleGame::SingleGame(const QString& dataFolder) : m_name(serverName(dataFolder))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleGame::takeConnection);
}

QString SingleGame::serverName(const QString& dataFolder)
{
    return QStringLiteral("pondrake-") +
           QString::fromLatin1(
               QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

bool SingleGame::handOver(const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectMs)) {
        // None listens, or a killed game's socket refuses: this start becomes the game.
        m_stale = socket.error() == QLocalSocket::ConnectionRefusedError;
        return false;
    }
    socket.write(file.toUtf8() + '\n');
    bool taken = socket.waitForBytesWritten(AnswerMs);
    while (taken && socket.bytesAvailable() < Taken.size())
        taken = socket.waitForReadyRead(AnswerMs);
    if (!taken || socket.readAll() != Taken)
        std::fprintf(stderr, "pondrake: a game is already running but does not answer\n");
    return true;  // never a second game beside one that runs
}

bool SingleGame::listen()
{
    if (m_stale)  // what a killed game left: nobody answers there
        QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void SingleGame::takeConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxMessageBytes)
                    socket->abort();
                return;
            }
            const QString file = QString::fromUtf8(socket->readLine(MaxMessageBytes).chopped(1));
            socket->write(Taken);
            socket->disconnectFromServer();
            // Taken up once the socket's signal has returned: the file may open a question whose
            // own event loop would delete the socket under its signal.
            QMetaObject::invokeMethod(
                this, [this, file] { emit handedOver(file); }, Qt::QueuedConnection);
        });
    }
}
