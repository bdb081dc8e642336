#include "server/Submission.h"

#include "files/InkStrokes.h"
#include "files/ScoreFile.h"

#include <QList>

#include <simdjson.h>

#include <algorithm>

namespace {

SubmissionReading refused(int status, const QString& message) { return {std::nullopt, status, message}; }

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

std::optional<QString> textFault(const QString& what, const QString& text)
{
    if (!text.isValidUtf16())
        return QStringLiteral("the %1 is not valid text").arg(what);
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("the %1 holds a control character").arg(what);
    // Invisible, they make one name look like another: "\u202eadA" shows as "Ada".
    const QList<uint> characters = text.toUcs4();
    if (std::any_of(characters.begin(), characters.end(),
                    [](uint c) { return QChar::category(char32_t(c)) == QChar::Other_Format; }))
        return QStringLiteral("the %1 holds a format character (such as a direction mark or zero-width space)")
            .arg(what);
    return std::nullopt;
}

std::optional<QString> nameFault(int kind, const QString& name)
{
    if (std::optional<QString> fault = textFault(QStringLiteral("name"), name))
        return fault;
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
        !ink.load(decoded.decoded))
        return QStringLiteral("a handwritten name is the Base64 text of ink that the game can draw");
    // The game's name pad (SignatureSurface in screens/InkDisplay.h) fills up where the ink does, at
    // 512 strokes and 16,384 points: a name is at most 82,956 bytes of ink, 110,608 of Base64.
    constexpr QSize NamePad(5055 / 15, 735 / 15);
    if (ink.surfaceSize().width() > NamePad.width() || ink.surfaceSize().height() > NamePad.height())
        return QStringLiteral("a handwritten name is written on the game's name pad of %1 by %2 pixels")
            .arg(NamePad.width())
            .arg(NamePad.height());
    return std::nullopt;
}

SubmissionReading readSubmission(const QByteArray& body, const QString& contentType)
{
    if (contentType.section(u';', 0, 0).trimmed().compare(u"application/json", Qt::CaseInsensitive) != 0)
        return refused(415, QStringLiteral("a game is sent as application/json"));
    if (body.isEmpty())
        return refused(400, QStringLiteral("the body is empty"));
    // A game's text comes as one JSON string of a hundred kilobytes with an escape on every line,
    // which simdjson reads an order of magnitude faster than the other JSON readers at hand. Each
    // thread keeps its parser, and with it the buffers of its last body, up to the size of long
    // games: a larger body gets a parser of its own, so that a burst of them leaves nothing behind.
    thread_local simdjson::dom::parser kept;
    simdjson::dom::parser own;
    simdjson::dom::parser& parser = body.size() <= 256 * 1024 ? kept : own;
    simdjson::dom::element json;
    if (const simdjson::error_code error = parser.parse(body.constData(), std::size_t(body.size())).get(json)) {
        return refused(
            400, QStringLiteral("the body is not JSON: %1").arg(QString::fromUtf8(simdjson::error_message(error))));
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
                       QStringLiteral("the body is {\"replay\": text, \"entry\": {\"kind\": 0 or 1, \"name\": text}}"));
    const std::string_view replayText = replay->get_string().value_unsafe();
    const std::string_view nameText = name->get_string().value_unsafe();
    Submission submission{QByteArray(replayText.data(), qsizetype(replayText.size())), kindNumber == 1 ? 1 : 0,
                          QString::fromUtf8(nameText.data(), qsizetype(nameText.size()))};
    if (const std::optional<QString> fault = nameFault(submission.kind, submission.name))
        return refused(422, *fault);
    return {std::move(submission), 0, {}};
}
