#include "server/Submission.h"

#include "files/InkStrokes.h"
#include "files/ScoreFile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

SubmissionReading refused(int status, const QString& message) { return {std::nullopt, status, message}; }

}  // namespace

std::optional<QString> nameFault(int kind, const QString& name)
{
    if (!name.isValidUtf16())
        return QStringLiteral("the name is not valid text");
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("the name holds a control character");
    if (kind == TypedName) {
        if (name.size() > MaxTypedName)
            return QStringLiteral("a typed name is at most %1 characters long").arg(MaxTypedName);
        return std::nullopt;
    }
    // The ink as the game writes it: Base64 of bytes that the ink reader takes whole.
    const QByteArray text = name.toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    InkStrokes ink;
    if (QString::fromLatin1(text) != name || !decoded || decoded.decoded.toBase64() != text ||
        !ink.Load(decoded.decoded))
        return QStringLiteral("a handwritten name is the Base64 text of ink that the game can draw");
    return std::nullopt;
}

SubmissionReading readSubmission(const QByteArray& body, const QString& contentType)
{
    if (contentType.section(u';', 0, 0).trimmed().compare(u"application/json", Qt::CaseInsensitive) != 0)
        return refused(415, QStringLiteral("a game is sent as application/json"));
    if (body.isEmpty())
        return refused(400, QStringLiteral("the body is empty"));
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(body, &error);
    if (json.isNull())
        return refused(
            400, QStringLiteral("the body is not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    const QJsonObject object = json.object();
    const QJsonValue replay = object.value(u"replay");
    const QJsonObject entry = object.value(u"entry").toObject();
    const QJsonValue kind = entry.value(u"kind");
    const QJsonValue name = entry.value(u"name");
    if (!json.isObject() || !replay.isString() || !name.isString() || !kind.isDouble() ||
        (kind.toDouble() != 0 && kind.toDouble() != 1) || object.size() != 2 || entry.size() != 2)
        return refused(400,
                       QStringLiteral("the body is {\"replay\": text, \"entry\": {\"kind\": 0 or 1, \"name\": text}}"));
    Submission submission{replay.toString().toUtf8(), kind.toInt(), name.toString()};
    if (const std::optional<QString> fault = nameFault(submission.kind, submission.name))
        return refused(422, *fault);
    return {std::move(submission), 0, {}};
}
