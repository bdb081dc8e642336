#include "server/Submission.h"

#include "files/InkStrokes.h"
#include "files/ScoreFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

SubmissionReading refused(int status, const QString& message) { return {std::nullopt, status, message}; }

// The object's member of that name, or nothing.
const nlohmann::json* member(const nlohmann::json& object, const char* key)
{
    const auto found = object.is_object() ? object.find(key) : object.end();
    return found == object.end() ? nullptr : &*found;
}

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
    // A game's text comes as one JSON string of a hundred kilobytes with an escape on every line,
    // which this parser reads several times faster than QJsonDocument.
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(body.begin(), body.end());
    } catch (const nlohmann::json::parse_error& error) {
        return refused(400, QStringLiteral("the body is not JSON: it fails at byte %1").arg(error.byte));
    } catch (const nlohmann::json::out_of_range&) {
        return refused(400, QStringLiteral("the body is not JSON: it holds a number beyond any a computer can hold"));
    }
    const nlohmann::json* replay = member(json, "replay");
    const nlohmann::json* entry = member(json, "entry");
    const nlohmann::json* kind = entry ? member(*entry, "kind") : nullptr;
    const nlohmann::json* name = entry ? member(*entry, "name") : nullptr;
    if (json.size() != 2 || !replay || !replay->is_string() || !kind || !name || entry->size() != 2 ||
        !kind->is_number() || (*kind != 0 && *kind != 1) || !name->is_string())
        return refused(400,
                       QStringLiteral("the body is {\"replay\": text, \"entry\": {\"kind\": 0 or 1, \"name\": text}}"));
    Submission submission{QByteArray::fromStdString(replay->get_ref<const std::string&>()), *kind == 1 ? 1 : 0,
                          QString::fromStdString(name->get_ref<const std::string&>())};
    if (const std::optional<QString> fault = nameFault(submission.kind, submission.name))
        return refused(422, *fault);
    return {std::move(submission), 0, {}};
}
