#pragma once

#include "ui/net/WorldClient.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

// The pieces every reading of the world table's answers is made of: nothing the table says is
// taken on trust, so each value is checked for its kind and its bounds.
namespace AnswerJson {

// The body as a JSON object, or nothing.
std::optional<QJsonObject> object(const QByteArray& body);

// A whole number within bounds, or nothing: 2.5, "3" and 1e300 are not counts.
std::optional<qint64> count(const QJsonValue& value, qint64 least, qint64 most);

// A refusal of the table's in the player's language, when its code is one the game knows and its
// args are as the API gives them; else english, the table's own sentence.
QString refusalText(const QJsonObject& refusal, const QString& english);

// A refusal in the player's language, or the table's own sentence for a code the game does not
// know, or a line that names the status.
QString errorText(const WorldAnswer& answer);

// A text of the table's as one line of at most length characters (empty when it is no text).
QString line(const QJsonValue& value, qsizetype length);

}  // namespace AnswerJson
