#include "files/CBase64.h"

QString CBase64::Encode(const QByteArray& vvarBinValue) { return QString::fromLatin1(vvarBinValue.toBase64()); }

QString CBase64::Encode(const QString& vvarBinValue) { return Encode(Scalar2BytArray(vvarBinValue)); }

QByteArray CBase64::Decode(const QString& vstr)
{
    // Qt's default decoding skips every character outside the alphabet, which is MIME's rule.
    return QByteArray::fromBase64(vstr.toLatin1());
}

QString CBase64::Decode2Str(const QString& vstr) { return BytArray2Scalar(Decode(vstr)); }

QByteArray CBase64::Scalar2BytArray(const QString& vvarScalarValue) { return vvarScalarValue.toLatin1(); }

QString CBase64::BytArray2Scalar(const QByteArray& abyt) { return QString::fromLatin1(abyt); }
