#include "files/CBase64.h"

namespace {

constexpr qsizetype MimeLineLength = 76;

}  // namespace

QString CBase64::Encode(const QByteArray& vvarBinValue)
{
    const QByteArray plain = vvarBinValue.toBase64();
    QString text;
    text.reserve(plain.size() + plain.size() / MimeLineLength * 2);
    for (qsizetype start = 0; start < plain.size(); start += MimeLineLength) {
        if (start > 0)
            text += QStringLiteral("\r\n");
        text += QLatin1StringView(plain.mid(start, MimeLineLength));
    }
    return text;
}

QString CBase64::Encode(const QString& vvarBinValue) { return Encode(Scalar2BytArray(vvarBinValue)); }

QByteArray CBase64::Decode(const QString& vstr)
{
    // Qt's default decoding skips every character outside the alphabet, which is MIME's rule.
    return QByteArray::fromBase64(vstr.toLatin1());
}

QString CBase64::Decode2Str(const QString& vstr) { return BytArray2Scalar(Decode(vstr)); }

QByteArray CBase64::Scalar2BytArray(const QString& vvarScalarValue) { return vvarScalarValue.toLatin1(); }

QString CBase64::BytArray2Scalar(const QByteArray& abyt) { return QString::fromLatin1(abyt); }
