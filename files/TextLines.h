#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <optional>

// Lines of text as the game's files hold them, whichever editor wrote them.

// Where a format ends its lines.
enum class LineEnd {
    Lf,   // at LF; a CR before it is no part of the line (replays, sets)
    Cr,   // at CR; an LF right after it is no part of the next line (the score file)
    Any,  // at CR LF, a bare LF or a bare CR (level files)
};

// Splits text (a QByteArrayView or a QStringView, which must outlive the reader) into its lines,
// each without its end. Text after the last end counts as a line; an empty text has none. A line
// longer than the cap is cut there, so that a hostile file's one huge line is never copied whole.
template <class View>
class Lines {
public:
    Lines(View text, LineEnd end, qsizetype cap = -1) : m_text(text), m_end(end), m_cap(cap) {}

    std::optional<View> next()
    {
        if (atEnd())
            return std::nullopt;
        qsizetype end = m_pos;
        while (end < m_text.size() && !endsLine(code(m_text[end])))
            ++end;
        View line = m_text.sliced(m_pos, m_cap < 0 ? end - m_pos : std::min(end - m_pos, m_cap));
        m_pos = end + 1;
        if (m_end != LineEnd::Lf && end < m_text.size() && code(m_text[end]) == u'\r' && m_pos < m_text.size() &&
            code(m_text[m_pos]) == u'\n')
            ++m_pos;
        if (m_end == LineEnd::Lf && !line.isEmpty() && code(line.back()) == u'\r')
            line.chop(1);
        ++m_number;
        return line;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    // The text not read yet.
    View rest() const { return m_text.sliced(std::min(m_pos, m_text.size())); }
    // The number of the line read last, from 1; 0 before the first.
    int number() const { return m_number; }

private:
    static char16_t code(char c) { return char16_t(static_cast<unsigned char>(c)); }
    static char16_t code(QChar c) { return c.unicode(); }
    bool endsLine(char16_t c) const
    {
        return m_end == LineEnd::Lf ? c == u'\n' : m_end == LineEnd::Cr ? c == u'\r' : c == u'\n' || c == u'\r';
    }

    View m_text;
    LineEnd m_end;
    qsizetype m_cap;
    qsizetype m_pos = 0;
    int m_number = 0;
};

// Removes spaces (and only spaces) from both ends.
QString trimSpaces(const QString& text);

// The text without its CR and LF characters: for a line of a score or level file.
QString stripLineBreaks(const QString& text);
