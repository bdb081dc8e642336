#include "server/Submission.h"

#include "files/InkStrokes.h"
#include "files/ScoreFile.h"

#include <QList>

#include <simdjson.h>

#include <algorithm>

namespace {

SubmissionReading refused(int status, Refusal refusal) { return {std::nullopt, status, std::move(refusal)}; }

// The object's member of that name, if the element is an object with one.
std::optional<simdjson::dom::element> member(simdjson::dom::element object, const char* key)
{
    simdjson::dom::element value;
    if (!object.is_object() || object[key].get(value) != simdjson::SUCCESS)
        return std::nullopt;
    return value;
}

// The number of members of an object, or nothing for anything else.
std::optional<std::size_t> members(simdjson::dom::element element)
{
    simdjson::dom::object object;
    return element.get(object) == simdjson::SUCCESS ? std::optional(object.size()) : std::nullopt;
}

}  // namespace

std::optional<Refusal> textFault(const char* field, const QString& text)
{
    const QString key = QString::fromLatin1(field);
    const QString what = key == u"set-name" ? QStringLiteral("set's name") : key;
    if (!text.isValidUtf16())
        return Refusal{QStringLiteral("the %1 is not valid text").arg(what), QStringLiteral("text-invalid"), {key}};
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return Refusal{QStringLiteral("the %1 holds a control character").arg(what),
                       QStringLiteral("text-control-character"),
                       {key}};
    // Invisible, they make one name look like another: "\u202eadA" shows as "Ada".
    const QList<uint> characters = text.toUcs4();
    if (std::any_of(characters.begin(), characters.end(),
                    [](uint c) { return QChar::category(char32_t(c)) == QChar::Other_Format; }))
        return Refusal{
            QStringLiteral("the %1 holds a format character (such as a direction mark or zero-width space)").arg(what),
            QStringLiteral("text-format-character"),
            {key}};
    return std::nullopt;
}

std::optional<Refusal> nameFault(int kind, const QString& name)
{
    if (std::optional<Refusal> fault = textFault("name", name))
        return fault;
    if (kind == TypedName) {
        if (name.size() > MaxTypedName)
            return Refusal{QStringLiteral("a typed name is at most %1 characters long").arg(MaxTypedName),
                           QStringLiteral("name-too-long"),
                           {MaxTypedName}};
        return std::nullopt;
    }
    // The ink as the game writes it: Base64 of bytes that the ink reader takes whole.
    const QByteArray text = name.toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    InkStrokes ink;
    if (QString::fromLatin1(text) != name || !decoded || decoded.decoded.toBase64() != text ||
        !ink.load(decoded.decoded))
        return Refusal{QStringLiteral("a handwritten name is the Base64 text of ink that the game can draw"),
                       QStringLiteral("ink-unreadable"),
                       {}};
    // The game's name pad (SignatureSurface in screens/InkDisplay.h) fills up where the ink does, at
    // 512 strokes and 16,384 points: a name is at most 82,956 bytes of ink, 110,608 of Base64.
    constexpr QSize NamePad(5055 / 15, 735 / 15);
    if (ink.surfaceSize().width() > NamePad.width() || ink.surfaceSize().height() > NamePad.height())
        return Refusal{QStringLiteral("a handwritten name is written on the game's name pad of %1 by %2 pixels")
                           .arg(NamePad.width())
                           .arg(NamePad.height()),
                       QStringLiteral("ink-too-large"),
                       {NamePad.width(), NamePad.height()}};
    return std::nullopt;
}

SubmissionReading readSubmission(const QByteArray& body, const QString& contentType)
{
    if (contentType.section(u';', 0, 0).trimmed().compare(u"application/json", Qt::CaseInsensitive) != 0)
        return refused(415, {QStringLiteral("a game is sent as application/json"),
                             QStringLiteral("wrong-content-type"),
                             {QStringLiteral("application/json")}});
    if (body.isEmpty())
        return refused(400, {QStringLiteral("the body is empty"), QStringLiteral("empty-body"), {}});
    // A game's text comes as one JSON string of a hundred kilobytes with an escape on every line,
    // which simdjson reads an order of magnitude faster than the other JSON readers at hand. Each
    // thread keeps its parser, and with it the buffers of its last body, up to the size of long
    // games: a larger body gets a parser of its own, so that a burst of them leaves nothing behind.
    thread_local simdjson::dom::parser kept;
    simdjson::dom::parser own;
    simdjson::dom::parser& parser = body.size() <= 256 * 1024 ? kept : own;
    simdjson::dom::element json;
    if (const simdjson::error_code error = parser.parse(body.constData(), std::size_t(body.size())).get(json)) {
        const QString detail = QString::fromUtf8(simdjson::error_message(error));
        return refused(400,
                       {QStringLiteral("the body is not JSON: %1").arg(detail), QStringLiteral("not-json"), {detail}});
    }
    const auto replay = member(json, "replay");
    const auto entry = member(json, "entry");
    const auto kind = entry ? member(*entry, "kind") : std::nullopt;
    const auto name = entry ? member(*entry, "name") : std::nullopt;
    double kindNumber = -1;
    if (members(json) != 2u || !replay || !replay->is_string() || !kind || !name || members(*entry) != 2u ||
        !kind->is_number() || kind->get_double().get(kindNumber) || (kindNumber != 0 && kindNumber != 1) ||
        !name->is_string())
        return refused(400,
                       {QStringLiteral("the body is {\"replay\": text, \"entry\": {\"kind\": 0 or 1, \"name\": text}}"),
                        QStringLiteral("malformed-body"),
                        {}});
    const std::string_view replayText = replay->get_string().value_unsafe();
    const std::string_view nameText = name->get_string().value_unsafe();
    Submission submission{QByteArray(replayText.data(), qsizetype(replayText.size())), kindNumber == 1 ? 1 : 0,
                          QString::fromUtf8(nameText.data(), qsizetype(nameText.size()))};
    if (std::optional<Refusal> fault = nameFault(submission.kind, submission.name))
        return refused(422, std::move(*fault));
    return {std::move(submission), 0, {}};
}
