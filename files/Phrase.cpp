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

QString Phrase::english() const { return filled(QString::fromUtf8(text), args); }

QString Phrase::translated() const { return filled(QCoreApplication::translate(context, text), args); }
