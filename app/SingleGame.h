#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One game window at a time for a player: the first game listens on a local socket named after
// the player's data folder (so that separate homes, and tests side by side, never meet); a later
// start hands its file to it and exits. A socket left by a killed game is removed and listened on.
class SingleGame : public QObject {
    Q_OBJECT
public:
    explicit SingleGame(const QString& dataFolder);

    static QString serverName(const QString& dataFolder);

    // Hands the file (an absolute path; empty for none) to the game already running, which comes
    // to the front: true when it took it. False when no game runs.
    bool handOver(const QString& file);
    // Listens for later starts. False when the socket cannot be made.
    bool listen();

signals:
    // A later start handed this file over (empty: none): come to the front.
    void handedOver(const QString& file);

private:
    void takeConnection();

    QString m_name;
    QLocalServer m_server;
    bool m_stale = false;  // a socket is there that refuses
};
