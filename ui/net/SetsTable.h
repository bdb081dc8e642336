#pragma once

#include "files/sets/SetFileFormat.h"
#include "ui/net/WorldClient.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The level sets published on the world table, read as the API describes them: the list to choose
// from, a set's file, and how a set sent to be published fares. As in WorldTable.h, anything else
// the table says becomes a message.

// The table's media type of a set file.
inline constexpr char SetFileType[] = "application/x-pondrake-set";

struct ListedSet {
    QString id;  // the set's identity: 64 lowercase hexadecimal digits
    QString name;
    QString author;
    QString description;
    qint64 levels = 0;
    qint64 games = 0;
    qint64 best = 0;
    int difficulty = 0;  // about as hard as this level of the shipped set (1 to 24); 0 when not said
};

struct SetListReading {
    std::optional<std::vector<ListedSet>> sets;
    QString message;
};

SetListReading readSetList(const WorldAnswer& answer, const QString& address);

// A published set's file, which must be the set listed: its levels give that identity.
struct SetDownload {
    std::optional<SetFile> set;
    QString message;
};

SetDownload readSetDownload(const WorldAnswer& answer, const QString& address, const QString& id);

// A set sent to be published, as the table last answered of it.
struct Publication {
    enum class State { Judging, Published, Refused, Trouble };
    State state = State::Trouble;
    qint64 levels = 0;  // Judging: the set's levels, and how many are judged so far
    qint64 judged = 0;
    QString page;       // Published: the set's page on the table, a whole address
    QStringList lines;  // Published: each level's warning; Refused: each level that failed, and why
    QString message;    // Refused: the table's sentence; Trouble: what went wrong
};

// id is the identity of the set sent: an answer of another set is no answer.
Publication readPublication(const WorldAnswer& answer, const QString& address, const QString& id);
