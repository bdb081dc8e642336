#include "files/TextLines.h"

bool LineReader::next(QString& line)
{
    if (m_pos >= m_text.size())
        return false;
    qsizetype end = m_pos;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    line = m_text.mid(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_text.size()) {
        const QChar ender = m_text[m_pos++];
        if (ender == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }
    return true;
}

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString StripLineBreaks(const QString& text)
{
    QString stripped = text;
    stripped.remove(u'\r');
    stripped.remove(u'\n');
    return stripped;
}
