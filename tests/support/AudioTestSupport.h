#pragma once

// Small sound files written by tests, so that no test depends on the game's own media, and a wait
// for what the audio thread does that can fail.

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cmath>

// A mono 16-bit PCM wave of a quiet tone lasting the given milliseconds.
inline bool writeWav(const QString& path, int milliseconds)
{
    const quint32 bytes = 22050 * milliseconds / 1000 * 2;
    // The format chunk, little-endian: 16 bytes long; PCM, one channel, 22050 frames a second
    // (44100 bytes), two bytes a frame, 16 bits.
    QByteArray wav = "RIFF????WAVEfmt " + QByteArray::fromHex("10000000010001002256000044ac000002001000") + "data????";
    wav.resize(44 + bytes);
    qToLittleEndian(36 + bytes, wav.data() + 4);
    qToLittleEndian(bytes, wav.data() + 40);
    for (quint32 i = 0; i < bytes / 2; ++i)
        qToLittleEndian(qint16(2000 * std::sin(i * 0.1)), wav.data() + 44 + 2 * i);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

// Delivers events until the condition holds; false once the patience runs out. (Qt's QTRY_ macros
// report to Qt's own test log, which GoogleTest never reads: a test could not fail through them.)
template <class Condition>
bool eventually(Condition condition, int patienceMs = 10000)
{
    return QTest::qWaitFor(condition, patienceMs);
}
