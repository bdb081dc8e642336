#pragma once

#include <QJsonArray>
#include <QString>

// Why the table will not do what a client asked, as the API says it: the English sentence, a
// stable code that names its kind, and the values the sentence holds, so that a game can say it
// in its player's language (docs/server-api.md lists the codes).
struct Refusal {
    QString message;
    QString code;
    QJsonArray args;
};
