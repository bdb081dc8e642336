#include "files/TextLines.h"

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

QString stripLineBreaks(const QString& text)
{
    QString stripped = text;
    stripped.remove(u'\r');
    stripped.remove(u'\n');
    return stripped;
}
