#pragma once

#include <QString>

#include <utility>

// Lines of text as players' files hold them, whichever editor wrote them.

// Splits text into lines ended by CR LF, a bare LF or a bare CR. Text after the last line end
// counts as a line; an empty file has none.
class LineReader {
public:
    explicit LineReader(QString text) : m_text(std::move(text)) {}

    // The next line, without its end; false when the text has no more.
    bool next(QString& line);

private:
    QString m_text;
    qsizetype m_pos = 0;
};

// Removes spaces (and only spaces) from both ends.
QString trimSpaces(const QString& text);

// The text without its CR and LF characters: for a line of a score or level file.
QString StripLineBreaks(const QString& text);
