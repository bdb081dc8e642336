#include "ui/net/OutboxSender.h"

#include "files/WorldOutbox.h"
#include "ui/net/WorldClient.h"

OutboxSender::OutboxSender(WorldClient& client, QObject* parent) : QObject(parent), m_client(client) {}

void OutboxSender::sendWaiting(const QString& address, bool sendGames, const QString& dataFolder)
{
    // While the player does not send games nothing leaves, and nothing is moved either.
    if (!sendGames || WorldClient::baseUrl(address).isEmpty())
        return;
    adoptEarlierOutboxes(dataFolder);
    send(address, outboxItems(dataFolder));
}

void OutboxSender::send(const QString& address, const QStringList& items)
{
    m_address = address;
    for (const QString& item : items)
        if (!m_waiting.contains(item))
            m_waiting << item;
    if (!m_sending)
        next();
}

void OutboxSender::next()
{
    m_sending = !m_waiting.isEmpty();
    if (!m_sending) {
        emit idle();
        return;
    }
    const QString item = m_waiting.takeFirst();
    const QByteArray body = outboxBody(item);
    if (body.isEmpty())
        return next();  // gone, or not ours to send
    m_client.post(m_address, QStringLiteral("/api/v1/games"), body, this,
                  [this, item, body](const WorldAnswer& answer) {
                      const SendVerdict verdict = sendVerdict(answer, body);
                      switch (verdict.kind) {
                      case SendVerdict::Kind::Verified:
                          sentFromOutbox(item);
                          break;
                      case SendVerdict::Kind::Refused:
                          refusedFromOutbox(item, verdict.line);
                          break;
                      case SendVerdict::Kind::Later:
                          break;  // stays for the next start
                      }
                      emit sent(item, verdict);
                      next();
                  });
}
