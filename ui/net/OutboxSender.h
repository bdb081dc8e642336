#pragma once

#include "ui/net/WorldTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

class WorldClient;

// Sends the games of one outbox to the world table, one after another: a game the table took
// leaves the outbox, a refused one keeps the table's message and is not sent again, and one that
// got no usable answer stays for the next start.
class OutboxSender : public QObject {
    Q_OBJECT
public:
    OutboxSender(WorldClient& client, QObject* parent = nullptr);

    // Sends these items of the outbox, after any already on their way.
    void send(const QString& address, const QStringList& items);
    // Sends every game waiting in the player's outbox, those an earlier version left included,
    // when the player sends games to a table.
    void sendWaiting(const QString& address, bool sendGames, const QString& dataFolder);
    bool busy() const { return m_sending; }

signals:
    void sent(const QString& item, const SendVerdict& verdict);
    void idle();

private:
    void next();

    WorldClient& m_client;
    QString m_address;
    QStringList m_waiting;
    bool m_sending = false;
};
