#include "files/Phrase.h"

#include <QCoreApplication>

namespace {
// All values in one pass, so that a value holding "%2" is never filled in itself.
QString filled(const QString& text, const QStringList& a)
{
    switch (a.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(a[0]);
    case 2:
        return text.arg(a[0], a[1]);
    case 3:
        return text.arg(a[0], a[1], a[2]);
    default:
        return text.arg(a[0], a[1], a[2], a[3]);
    }
}
}  // namespace

QString Phrase::english() const
{
    QString words = QString::fromUtf8(text);
    if (count >= 0)
        words.replace(QLatin1String("%n"), QString::number(count));
    return filled(words, args);
}

QString Phrase::translated() const
{
    // translate() puts the count in the locale's digits itself.
    return filled(QCoreApplication::translate(context, text, nullptr, count), args);
}
