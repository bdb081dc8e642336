#include "files/LevelFile.h"

#include "files/FileBytes.h"
#include "files/NumberText.h"
#include "files/TextLines.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// A level file is about 500 bytes; reading stops well past that, so a huge file cannot
// exhaust memory. Lines beyond the 24th are never used anyway.
constexpr qint64 MaxBytesRead = 1 << 20;

}  // namespace

LevelReading readLevelFile(const QString& path)
{
    std::optional<FileHead> head = readFileHead(path, MaxBytesRead);
    if (!head)
        return {};  // Missing, no line read
    if (head->cut)  // what the limit cut off after the last line end is no whole line
        head->bytes.truncate(std::max(head->bytes.lastIndexOf('\r'), head->bytes.lastIndexOf('\n')) + 1);
    return readLevelBytes(head->bytes);
}

LevelReading readLevelBytes(const QByteArray& bytes)
{
    LevelReading level;
    level.status = LevelReadStatus::Stopped;
    const QString text = QString::fromUtf8(bytes);  // drops a byte-order mark
    Lines<QStringView> lines(text, LineEnd::Any);
    QString line;
    const auto next = [&lines, &line] {
        const std::optional<QStringView> read = lines.next();
        line = read.value_or(QStringView()).toString();
        return read.has_value();
    };

    if (!next())
        return level;
    level.music = trimSpaces(line).toStdString();
    ++level.linesRead;

    for (Int16* setting : {&level.bonus, &level.turtleInterval, &level.dogInterval}) {
        if (!next())
            return level;
        const std::optional<Int16> value = leadingInt16(trimSpaces(line));
        if (!value)
            return level;
        *setting = *value;
        ++level.linesRead;
    }

    for (int row = 0; row < BoardSize; ++row) {
        if (!next())
            return level;
        const QList<uint> codes = trimSpaces(line).toUcs4();
        LevelReading::Row& cells = level.rows.emplace_back();
        for (int col = 0; col < BoardSize; ++col) {
            TileCode code = col < codes.size() ? static_cast<TileCode>(codes[col]) : Tile::Empty;
            // A NUL in the line would pass for the empty cell of a short row, which the writer
            // leaves out, moving the rest of the row; it stays an unknown code instead.
            if (col < codes.size() && code == Tile::Empty)
                code = U'\uFFFD';
            cells[col] = code;
        }
        ++level.linesRead;
    }
    level.status = LevelReadStatus::Complete;
    return level;
}

bool fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

QByteArray levelFileBytes(const LevelTexts& texts, const Board& board)
{
    // A line break inside a setting would shift every later line of the file, so none is written.
    QString text;
    for (const std::string* setting : {&texts.music, &texts.bonus, &texts.turtleInterval, &texts.dogInterval})
        text += stripLineBreaks(QString::fromStdString(*setting)) + QStringLiteral("\r\n");
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const TileCode code = isTurtle(board(col, row)) ? Tile::TurtleAnyWay : board(col, row);
            if (code != Tile::Empty && code != U'\r' && code != U'\n') {
                const char32_t one[] = {code};
                text += QString::fromUcs4(one, 1);
            }
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool saveLevelFile(const QString& path, const LevelTexts& texts, const Board& board)
{
    return replaceFile(path, levelFileBytes(texts, board));
}
