#include "ui/net/AnswerJson.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace AnswerJson {

std::optional<QJsonObject> object(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<qint64> count(const QJsonValue& value, qint64 least, qint64 most)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < double(least) || number > double(most) || number != double(qint64(number)))
        return std::nullopt;
    return qint64(number);
}

QString errorText(const WorldAnswer& answer)
{
    const std::optional<QJsonObject> found = object(answer.body);
    QString text = found ? line(found->value(QStringLiteral("error")), 300) : QString();
    if (!text.isEmpty())
        return text;
    return QCoreApplication::translate("WorldTable", "The world table answered with status %1.").arg(answer.status);
}

QString line(const QJsonValue& value, qsizetype length) { return value.toString().simplified().left(length); }

}  // namespace AnswerJson
