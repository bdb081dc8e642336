#include "files/ScoreFile.h"

#include "files/CBase64.h"
#include "files/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Ten handwritten names at the largest ink are well under 2 MiB; reading stops past this, so a
// huge file cannot exhaust memory (the lines beyond count as missing).
constexpr qint64 MaxBytesRead = 4 << 20;

// The lines of the file: each ends at CR, and one LF right after the CR is dropped. Text after the
// last CR is a line of its own; nothing after it is no line.
class ScoreLines {
public:
    static std::optional<ScoreLines> open(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QString text = QString::fromUtf8(file.read(MaxBytesRead));
        if (text.startsWith(QChar(0xFEFF)))  // a byte-order mark from a text editor
            text.remove(0, 1);
        return ScoreLines(std::move(text));
    }

    std::optional<QString> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        qsizetype end = m_text.indexOf(u'\r', m_pos);
        if (end < 0)
            end = m_text.size();
        QString line = m_text.mid(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
        return line;
    }

    // The kind line as a 16-bit number.
    std::optional<Int16> kind()
    {
        const std::optional<QString> line = next();
        return line ? strictInt16(*line) : std::nullopt;
    }

    // The score line as it stands, provided it holds a 32-bit number.
    std::optional<QString> scoreLine(std::int32_t* value = nullptr)
    {
        std::optional<QString> line = next();
        const std::optional<std::int32_t> number = line ? strictInt32(*line) : std::nullopt;
        if (!number)
            return std::nullopt;
        if (value)
            *value = *number;
        return line;
    }

private:
    explicit ScoreLines(QString text) : m_text(std::move(text)) {}

    QString m_text;
    qsizetype m_pos = 0;
};

// How the file writes a number: a space in place of a plus sign, the digits, one space.
QString numberLine(long long value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) + QStringLiteral(" \r\n");
}

void appendEntry(QString& text, Int16 kind, std::int32_t score, const QString& name)
{
    text += numberLine(kind);
    text += numberLine(score);
    text += name + QStringLiteral("\r\n");
}

}  // namespace

QString ScoresPath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/levels/scores.txt");
}

ScoreReadStatus LoadScores(const QString& path, ScoreTable& table)
{
    std::optional<ScoreLines> lines = ScoreLines::open(path);
    if (!lines)
        return ScoreReadStatus::Missing;
    for (int i = 0; i < ScoreEntries; ++i) {
        const std::optional<Int16> kind = lines->kind();
        if (!kind)
            return ScoreReadStatus::Stopped;
        table.TopKinds[i] = *kind;
        if (!lines->scoreLine(&table.TopScores[i]))
            return ScoreReadStatus::Stopped;
        const std::optional<QString> name = lines->next();
        if (!name)
            return ScoreReadStatus::Stopped;
        table.TopNames[i] = *name;
    }
    return ScoreReadStatus::Complete;
}

QByteArray ScoreFileBytes(const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind)
{
    QString text;
    bool inserted = false;
    for (int i = 0; i < ScoreEntries - 1; ++i) {
        if (!inserted && score > table.TopScores[i]) {
            appendEntry(text, kind, score, StripLineBreaks(name));
            inserted = true;
        }
        appendEntry(text, table.TopKinds[i], table.TopScores[i], table.TopNames[i]);
    }
    if (!inserted)
        appendEntry(text, kind, score, StripLineBreaks(name));
    return text.toUtf8();
}

bool SaveScore(const QString& path, const ScoreTable& table, const QString& name, std::int32_t score, Int16 kind)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = ScoreFileBytes(table, name, score, kind);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString StripLineBreaks(const QString& text)
{
    QString stripped;
    stripped.reserve(text.size());
    for (const QChar c : text)
        if (c != u'\r' && c != u'\n')
            stripped += c;
    return stripped;
}

TopTenReading ReadTopTen(const QString& path)
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
        const std::optional<QString> name = lines->next();
        if (!name)
            return reading;
        if (*kind == TypedName) {
            row.shown = TopTenRow::Shown::Typed;
            row.typedName = *name;
        } else {
            row.shown = TopTenRow::Shown::Handwritten;
            if (!row.ink.Load(CBase64::Decode(*name)))
                return reading;
        }
    }
    reading.status = ScoreReadStatus::Complete;
    return reading;
}
