#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Games waiting for the world table: each is the request's body, kept in a file of its own in
// "outbox/" beside the set's score table until the table has taken it. A game the table refused
// is not sent again; the refusal's text is kept beside it, in a file of the same name ending in
// ".refused", so the entry keeps what the table said of it.

// The outbox folder of the set whose top ten lies at scoresPath.
QString outboxFolder(const QString& scoresPath);

// Keeps the body whole (or not at all) and returns its file, empty when it could not be written.
// The same body kept twice is one file.
QString putInOutbox(const QString& scoresPath, const QByteArray& body);

// The bodies still to send, oldest first.
QStringList outboxItems(const QString& scoresPath);

// At most MaxOutboxBody bytes of a kept body; empty when it cannot be read.
inline constexpr qint64 MaxOutboxBody = 1 << 20;
QByteArray outboxBody(const QString& item);

// The table took the game: it leaves the outbox.
bool sentFromOutbox(const QString& item);
// The table refused the game: its message is kept and it is not sent again.
bool refusedFromOutbox(const QString& item, const QString& message);
// The refusal kept for an item, empty when there is none.
QString outboxRefusal(const QString& item);
