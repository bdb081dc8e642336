#include "files/sets/SetFileFormat.h"

#include "files/FileBytes.h"
#include "files/NumberText.h"
#include "files/TextLines.h"
#include "files/sets/SetLevelSection.h"

#include <QByteArrayList>
#include <QCryptographicHash>
#include <QStringList>

#include <algorithm>

namespace {

const QByteArray Magic = "pondrake-set";
// The context in which lupdate files the reasons a set file is refused.
const char* const Context = "SetFile";
constexpr qsizetype MaxHeaderLine = 1024;
constexpr int MaxDescriptionLines = 100;

bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// Reads the file line by line; fail() records the first fault and ends the reading.
class Reader {
public:
    Reader(const QByteArray& bytes, bool headerOnly)
        : m_headerOnly(headerOnly), m_lines(bytes, LineEnd::Lf, SetLevelSection::maxLineBytes() + 1)
    {
    }

    SetReading read()
    {
        SetFile set;
        const QByteArrayList magic = next().split(' ');
        const int version = magic.size() == 2 ? wholeNumber<int>(magic[1]).value_or(0) : 0;
        if (magic[0] != Magic || version < 1)
            return fail({Context, QT_TRANSLATE_NOOP("SetFile", "this is no level set file"), {}});
        if (version > SetFileVersion)
            return fail(
                {Context, QT_TRANSLATE_NOOP("SetFile", "this set was made by a newer version of the game"), {}});
        SetLevelSection levels;
        int descriptionLines = 0;
        while (!m_lines.atEnd()) {
            const QByteArray line = next();
            const qsizetype space = line.indexOf(' ');
            const QByteArray word = space < 0 ? line : line.left(space);
            const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
            if (word == "level" && m_headerOnly)
                break;
            if (word == "level") {
                if (const Phrase wrong = levels.add(rest); !wrong.isEmpty())
                    return fail(wrong);
                continue;
            }
            if (!levels.levels().empty())
                return fail({Context, QT_TRANSLATE_NOOP("SetFile", "only levels follow the first level"), {}});
            const QString text = QString::fromUtf8(rest);
            if (line.size() > MaxHeaderLine || text.toUtf8() != rest || hasControl(text))
                return fail({Context,
                             QT_TRANSLATE_NOOP("SetFile", "a line of the set's header is too long, not UTF-8 text or "
                                                          "holds a control character"),
                             {}});
            if (word == "name" && set.name.isEmpty()) {
                if (const std::optional<Phrase> wrong = setNameProblem(text))
                    return fail(*wrong);
                set.name = text;
            } else if (word == "author" && set.author.isEmpty() && !text.isEmpty()) {
                set.author = text;
            } else if (word == "description" && descriptionLines++ < MaxDescriptionLines) {
                set.description += (descriptionLines > 1 ? QStringLiteral("\n") : QString()) + text;
            } else {
                return fail({Context, QT_TRANSLATE_NOOP("SetFile", "unknown line in the set's header"), {}});
            }
        }
        if (set.name.isEmpty())
            return fail({Context, QT_TRANSLATE_NOOP("SetFile", "the set has no name"), {}});
        if (levels.levels().empty() && !m_headerOnly)
            return fail({Context, QT_TRANSLATE_NOOP("SetFile", "the set holds no level"), {}});
        set.levels = std::move(levels.levels());
        return {std::move(set), 0, {}};
    }

private:
    // The next line, empty past the end.
    QByteArray next() { return m_lines.next().value_or(QByteArrayView()).toByteArray(); }

    // At the line read last; an empty file is refused at its first line, which it lacks.
    SetReading fail(const Phrase& message) const { return {std::nullopt, std::max(m_lines.number(), 1), message}; }

    bool m_headerOnly;
    // Only levels take longer lines.
    Lines<QByteArrayView> m_lines;
};

Phrase tooLarge() { return {Context, QT_TRANSLATE_NOOP("SetFile", "the file is larger than a level set can be"), {}}; }

}  // namespace

QByteArray setFileBytes(const SetFile& set)
{
    QByteArray bytes = Magic + ' ' + QByteArray::number(SetFileVersion) + "\nname " + set.name.toUtf8() + '\n';
    if (!set.author.isEmpty())
        bytes += "author " + set.author.toUtf8() + '\n';
    if (!set.description.isEmpty())
        for (const QString& line : set.description.split(u'\n'))
            bytes += "description " + line.toUtf8() + '\n';
    for (const QByteArray& level : set.levels)
        bytes += "level " + SetLevelSection::text(level) + '\n';
    return bytes;
}

SetReading readSetFile(const QByteArray& bytes)
{
    if (bytes.size() > MaxSetBytes)
        return {std::nullopt, 0, tooLarge()};
    return Reader(bytes, false).read();
}

SetReading readSetHeader(const QByteArray& bytes) { return Reader(bytes, true).read(); }

SetReading readSetFileAt(const QString& path)
{
    const std::optional<FileHead> head = readFileHead(path, MaxSetBytes);
    if (!head)
        return {std::nullopt, 0, {Context, QT_TRANSLATE_NOOP("SetFile", "the file cannot be read"), {}}};
    if (head->cut)
        return {std::nullopt, 0, tooLarge()};
    return readSetFile(head->bytes);
}

QByteArray setIdentity(const std::vector<QByteArray>& levels)
{
    QCryptographicHash identity(QCryptographicHash::Sha256);
    for (const QByteArray& level : levels)
        identity.addData(QCryptographicHash::hash(level, QCryptographicHash::Sha256));
    return identity.result().toHex();
}

std::optional<Phrase> setNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return Phrase{Context, QT_TRANSLATE_NOOP("SetFile", "a set's name is not empty"), {}};
    if (name.size() > MaxSetNameLength)
        return Phrase::counted(Context, QT_TRANSLATE_N_NOOP("SetFile", "a set's name is at most %n characters long"),
                               int(MaxSetNameLength));
    if (hasControl(name))
        return Phrase{Context, QT_TRANSLATE_NOOP("SetFile", "a set's name holds no control character"), {}};
    return std::nullopt;
}
