#pragma once

#include <QByteArray>
#include <QString>

// MIME Base64 (standard alphabet, "=" padding) between bytes and text. Handwritten names are
// kept in the score file, and sent to the world table, as the Base64 text of their ink bytes.
namespace Base64 {

// The Base64 text of the bytes, on one line; the empty array gives the empty text.
QString encode(const QByteArray& bytes);

// The bytes of Base64 text. As MIME prescribes, characters outside the alphabet (line breaks
// above all) are skipped; a character beyond Latin-1 is one outside the alphabet too.
QByteArray decode(const QString& text);

}  // namespace Base64
