#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Games waiting for the world table. The outbox lies in the player's data folder, never in a
// set's folder (which may be anybody's): "outbox/<set identity>/", one file a game, written by the
// game alone. A file is sent only when it is a regular file (no link) that begins with the
// outbox's own first line; its body is the request's. A game the table refused is not sent again;
// the refusal's text is kept beside it, in a file of the same name ending in ".refused".

// The outbox of the player whose data folder this is; empty without one.
QString outboxFolder(const QString& dataFolder);

// Keeps the body whole (or not at all) under its set's identity (64 hexadecimal digits) and
// returns its file, empty when it could not be written. The same body kept twice is one file.
inline constexpr qint64 MaxOutboxBody = 1 << 20;
QString putInOutbox(const QString& dataFolder, const QByteArray& setId, const QByteArray& body);

// The games of every set still to send, oldest first.
QStringList outboxItems(const QString& dataFolder);

// The body of an item the game wrote; empty when it is anything else or cannot be read.
QByteArray outboxBody(const QString& item);

// The table took the game: it leaves the outbox.
bool sentFromOutbox(const QString& item);
// The table refused the game: its message is kept and it is not sent again.
bool refusedFromOutbox(const QString& item, const QString& message);
// The refusal kept for an item, empty when there is none.
QString outboxRefusal(const QString& item);

// Moves into the outbox, once, the games an earlier version left waiting beside the score tables
// kept in the player's data folder (that version kept the bare body, named after its digest). Only
// what that version wrote is taken; anything else, and every folder outside the data folder, is
// left alone. Returns how many games were moved.
int adoptEarlierOutboxes(const QString& dataFolder);
