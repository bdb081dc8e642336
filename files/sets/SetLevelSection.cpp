#include "files/sets/SetLevelSection.h"

#include "files/LevelFile.h"
#include "files/sets/SetFileFormat.h"

namespace {
constexpr qsizetype MaxText = (MaxSetLevelBytes + 2) / 3 * 4;
}  // namespace

qsizetype SetLevelSection::maxLineBytes() { return MaxText + 16; }

QByteArray SetLevelSection::text(const QByteArray& level) { return level.toBase64(); }

QString SetLevelSection::add(const QByteArray& text)
{
    const qsizetype number = qsizetype(m_levels.size()) + 1;
    const QString level = QStringLiteral("level %1 ").arg(number);
    if (m_levels.size() >= MaxSetLevels)
        return QStringLiteral("a set holds at most %1 levels").arg(MaxSetLevels);
    const auto tooLarge = [&] {
        return level + QStringLiteral("is larger than a level can be (%1 KiB)").arg(MaxSetLevelBytes >> 10);
    };
    if (text.size() > MaxText)  // not even decoded
        return tooLarge();
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decoded.size() > MaxSetLevelBytes)
        return tooLarge();
    // One text for one level: no missing padding, no stray characters, nothing written two ways.
    if (!decoded || decoded.decoded.toBase64() != text)
        return level + QStringLiteral("is not Base64 text");
    if (m_bytes + decoded.decoded.size() > MaxSetBytes)
        return QStringLiteral("the levels together are larger than a set can be (%1 MiB)").arg(MaxSetBytes >> 20);
    const LevelReading reading = readLevelBytes(decoded.decoded);
    if (reading.status != LevelReadStatus::Complete)
        return level + QStringLiteral("cannot be read as a level: it stops at line %1").arg(reading.linesRead + 1);
    m_bytes += decoded.decoded.size();
    m_levels.push_back(decoded.decoded);
    return {};
}
