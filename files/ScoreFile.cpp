#include "files/ScoreFile.h"

#include "files/Base64.h"
#include "files/FileBytes.h"
#include "files/NumberText.h"
#include "files/TextLines.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Ten handwritten names at the largest ink are well under 2 MiB; reading stops past this, so a
// huge file cannot exhaust memory (the lines beyond count as missing).
constexpr qint64 MaxBytesRead = 4 << 20;

// The lines of the file, as bytes: each ends at CR, and one LF right after the CR is dropped.
// Text after the last CR is a line of its own, unless the reading limit cut it off: then it is
// missing, so that no part of a line is ever taken for the whole.
class ScoreLines {
public:
    static std::optional<ScoreLines> open(const QString& path)
    {
        std::optional<FileHead> head = readFileHead(path, MaxBytesRead);
        if (!head)
            return std::nullopt;
        QByteArray bytes = std::move(head->bytes);
        if (head->cut)
            bytes.truncate(bytes.lastIndexOf('\r') + 1);
        if (bytes.startsWith("\xEF\xBB\xBF"))  // a byte-order mark from a text editor
            bytes.remove(0, 3);
        return ScoreLines(std::move(bytes));
    }

    std::optional<QByteArray> next()
    {
        const std::optional<QByteArrayView> line = m_lines.next();
        return line ? std::optional(line->toByteArray()) : std::nullopt;
    }

    // The kind line as a 16-bit number.
    std::optional<Int16> kind()
    {
        const std::optional<QByteArray> line = next();
        return line ? strictInt16(QString::fromLatin1(*line)) : std::nullopt;
    }

    // The score line as it stands, provided it holds a 32-bit number.
    std::optional<QString> scoreLine(std::int32_t* value = nullptr)
    {
        const std::optional<QByteArray> line = next();
        const QString text = line ? QString::fromLatin1(*line) : QString();
        const std::optional<std::int32_t> number = line ? strictInt32(text) : std::nullopt;
        if (!number)
            return std::nullopt;
        if (value)
            *value = *number;
        return text;
    }

private:
    explicit ScoreLines(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    QByteArray m_bytes;  // never changed: its buffer stays where the lines look, moved or not
    Lines<QByteArrayView> m_lines{m_bytes, LineEnd::Cr};
};

// How the file writes a number: a space in place of a plus sign, the digits, one space.
QByteArray numberLine(long long value)
{
    return (value < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(value) + " \r\n";
}

void appendEntry(QByteArray& bytes, Int16 kind, std::int32_t score, const QByteArray& name)
{
    bytes += numberLine(kind);
    bytes += numberLine(score);
    bytes += name + "\r\n";
}

// The name the player gave, as the file holds it.
QByteArray newNameLine(const QString& name, Int16 kind)
{
    QString line = stripLineBreaks(name);
    if (kind == TypedName && line.size() > MaxTypedName)
        line.truncate(line[MaxTypedName - 1].isHighSurrogate() ? MaxTypedName - 1 : MaxTypedName);
    return line.toUtf8();
}

// A typed name for display: UTF-8 as the game writes it, or single-byte text from an older table.
QString nameText(const QByteArray& line)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

}  // namespace

QString scoresPath(const QString& programFolder) { return programFolder + QStringLiteral("/levels/scores.txt"); }

ScoreReadStatus loadScores(const QString& path, ScoreTable& table)
{
    std::optional<ScoreLines> lines = ScoreLines::open(path);
    if (!lines)
        return ScoreReadStatus::Missing;
    for (int i = 0; i < ScoreEntries; ++i) {
        const std::optional<Int16> kind = lines->kind();
        if (!kind)
            return ScoreReadStatus::Stopped;
        table.topKinds[i] = *kind;
        if (!lines->scoreLine(&table.topScores[i]))
            return ScoreReadStatus::Stopped;
        std::optional<QByteArray> name = lines->next();
        if (!name)
            return ScoreReadStatus::Stopped;
        table.topNames[i] = std::move(*name);
    }
    return ScoreReadStatus::Complete;
}

int newEntryPlace(const ScoreTable& table, std::int32_t score)
{
    for (int i = 0; i < ScoreEntries - 1; ++i)
        if (score > table.topScores[i])
            return i;
    return ScoreEntries - 1;
}

QByteArray scoreFileBytes(const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind)
{
    const QByteArray newName = newNameLine(name, kind);
    const int place = newEntryPlace(table, score);
    QByteArray bytes;
    for (int i = 0; i < ScoreEntries - 1; ++i) {
        if (i == place)
            appendEntry(bytes, kind, score, newName);
        appendEntry(bytes, table.topKinds[i], table.topScores[i], table.topNames[i]);
    }
    if (place == ScoreEntries - 1)
        appendEntry(bytes, kind, score, newName);
    return bytes;
}

bool saveScore(const QString& path, const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return replaceFile(path, scoreFileBytes(table, name, score, kind));
}

TopTenReading readTopTen(const QString& path)
{
    TopTenReading reading;
    std::optional<ScoreLines> lines = ScoreLines::open(path);
    if (!lines)
        return reading;
    reading.status = ScoreReadStatus::Stopped;
    for (TopTenRow& row : reading.rows) {
        const std::optional<Int16> kind = lines->kind();
        if (!kind)
            return reading;
        row.scoreText = lines->scoreLine();
        if (!row.scoreText)
            return reading;
        const std::optional<QByteArray> name = lines->next();
        if (!name)
            return reading;
        if (*kind == TypedName) {
            row.shown = TopTenRow::Shown::Typed;
            row.typedName = nameText(*name);
        } else {
            row.shown = TopTenRow::Shown::Handwritten;
            if (!row.ink.load(Base64::decode(QString::fromLatin1(*name))))
                return reading;
        }
    }
    reading.status = ScoreReadStatus::Complete;
    return reading;
}
