#include "files/sets/SetLevelSection.h"

#include "files/LevelFile.h"
#include "files/sets/SetFileFormat.h"

namespace {
constexpr qsizetype MaxText = (MaxSetLevelBytes + 2) / 3 * 4;
// The set file's context for the translators: the set's reader says the same of its levels.
const char* const Context = "SetFile";
}  // namespace

qsizetype SetLevelSection::maxLineBytes() { return MaxText + 16; }

QByteArray SetLevelSection::text(const QByteArray& level) { return level.toBase64(); }

Phrase SetLevelSection::add(const QByteArray& text)
{
    const QString number = QString::number(m_levels.size() + 1);
    if (m_levels.size() >= MaxSetLevels)
        return Phrase::counted(Context, QT_TRANSLATE_N_NOOP("SetFile", "a set holds at most %n levels"),
                               int(MaxSetLevels));
    const auto tooLarge = [&] {
        return Phrase{Context,
                      QT_TRANSLATE_NOOP("SetFile", "level %1 is larger than a level can be (%2 KiB)"),
                      {number, QString::number(MaxSetLevelBytes >> 10)}};
    };
    if (text.size() > MaxText)  // not even decoded
        return tooLarge();
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decoded.size() > MaxSetLevelBytes)
        return tooLarge();
    // One text for one level: no missing padding, no stray characters, nothing written two ways.
    if (!decoded || decoded.decoded.toBase64() != text)
        return {Context, QT_TRANSLATE_NOOP("SetFile", "level %1 is not Base64 text"), {number}};
    if (m_bytes + decoded.decoded.size() > MaxSetBytes)
        return {Context,
                QT_TRANSLATE_NOOP("SetFile", "the levels together are larger than a set can be (%1 MiB)"),
                {QString::number(MaxSetBytes >> 20)}};
    const LevelReading reading = readLevelBytes(decoded.decoded);
    if (reading.status != LevelReadStatus::Complete)
        return {Context,
                QT_TRANSLATE_NOOP("SetFile", "level %1 cannot be read as a level: it stops at line %2"),
                {number, QString::number(reading.linesRead + 1)}};
    m_bytes += decoded.decoded.size();
    m_levels.push_back(decoded.decoded);
    return {};
}
