#pragma once

#include <QByteArray>
#include <QString>

// MIME Base64 (standard alphabet, "=" padding) between bytes and text. Handwritten names are
// kept in the score file as the Base64 text of their ink bytes.
//
// Text passes to and from single bytes as Latin-1: one byte per character, every byte value kept.
class CBase64 {
public:
    // The Base64 text of the bytes, on one line; the empty array gives the empty text.
    static QString Encode(const QByteArray& vvarBinValue);
    // The Base64 text of the single-byte codes of the text's characters.
    static QString Encode(const QString& vvarBinValue);

    // The bytes of Base64 text. As MIME prescribes, characters outside the alphabet (line breaks
    // above all) are skipped.
    static QByteArray Decode(const QString& vstr);
    // The decoded bytes as text, one character per byte.
    static QString Decode2Str(const QString& vstr);

    // One byte per character; characters without a single-byte code become "?".
    static QByteArray Scalar2BytArray(const QString& vvarScalarValue);
    // One character per byte.
    static QString BytArray2Scalar(const QByteArray& abyt);
};
