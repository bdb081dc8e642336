#include "files/Base64.h"

QString Base64::encode(const QByteArray& bytes) { return QString::fromLatin1(bytes.toBase64()); }

QByteArray Base64::decode(const QString& text)
{
    // Qt's default decoding skips every character outside the alphabet, which is MIME's rule.
    return QByteArray::fromBase64(text.toLatin1());
}
