#pragma once

#include "files/InkStrokes.h"
#include "files/ReplayFile.h"
#include "ui/net/WorldClient.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The world table's answers read as the API describes them, and what the player is told of each.
// Anything else the table says becomes a message, never a number or a name taken on trust.

// How a game sent to the table went.
struct SendVerdict {
    enum class Kind {
        Verified,  // the table took it: rank of games
        Refused,   // the table will not take it: not sent again
        Later,     // no usable answer: kept to be sent at the next start
    };
    Kind kind = Kind::Later;
    QString line;  // the top-ten window's line
};

// sent is the request's body: the entry the table answers with must be its own.
SendVerdict sendVerdict(const WorldAnswer& answer, const QByteArray& sent);

// The request body of a game: its self-contained replay and its entry as the score file holds it.
QByteArray sendBody(const QByteArray& replay, int kind, const QByteArray& nameLine);

struct WorldRow {
    int rank = 0;
    qint64 id = 0;
    bool handwritten = false;
    QString typedName;
    InkStrokes ink;  // a handwritten name's ink; empty when it does not load
    qint64 score = 0;
    QDateTime date;  // UTC; invalid when the table gave none that reads
};

struct WorldTop {
    QString setName;
    qint64 games = 0;
    std::vector<WorldRow> rows;
};

// The table of a set, or the message that stands in its place.
struct TopReading {
    std::optional<WorldTop> top;
    QString message;
};

TopReading readTop(const WorldAnswer& answer, const QString& address);

// The line for an answer that did not come, or came unusable; empty when the answer is usable.
QString trouble(const WorldAnswer& answer, const QString& address);

// A game's replay from the table: a self-contained recording, or why it cannot be watched.
struct ReplayReading {
    std::optional<GameRecording> recording;
    QString message;
};

ReplayReading readReplay(const WorldAnswer& answer, const QString& address);
