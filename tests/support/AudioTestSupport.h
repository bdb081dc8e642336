#pragma once

// Small sound files written by tests, so that no test depends on the game's own media, and the
// means to see what the audio thread has done without sleeping a fixed time.

#include "ui/AudioOutput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTest>
#include <QtEndian>

#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

namespace detail {
inline void put16(QByteArray& bytes, std::uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    bytes.append(b, 2);
}
inline void put32(QByteArray& bytes, std::uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    bytes.append(b, 4);
}
} // namespace detail

// A mono 16-bit PCM wave of a quiet tone lasting the given milliseconds.
inline bool writeWav(const QString& path, int milliseconds)
{
    constexpr int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    QByteArray bytes("RIFF");
    detail::put32(bytes, 36 + 2 * frames);
    bytes.append("WAVEfmt ");
    detail::put32(bytes, 16);
    detail::put16(bytes, 1); // PCM
    detail::put16(bytes, 1); // mono
    detail::put32(bytes, rate);
    detail::put32(bytes, rate * 2);
    detail::put16(bytes, 2);
    detail::put16(bytes, 16);
    bytes.append("data");
    detail::put32(bytes, 2 * frames);
    for (int i = 0; i < frames; ++i)
        detail::put16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(2000 * std::sin(i * 0.1))));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A standard MIDI file of one quarter-note middle C.
inline bool writeMidi(const QString& path)
{
    const QByteArray track = QByteArray::fromHex("00903C64"
                                                 "60803C00"
                                                 "00FF2F00");
    QByteArray bytes = QByteArray::fromHex("4D546864"
                                           "00000006"
                                           "0000"
                                           "0001"
                                           "0060") +
                       "MTrk";
    bytes.append(char(0)).append(char(0)).append(char(0)).append(char(track.size()));
    bytes += track;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Delivers every event posted so far, such as a done event a command has raised.
inline void deliverPostedEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Waits, without delivering any event, until the mixer has no music sounding; false after the
// patience runs out.
inline bool waitUntilMusicIsSilent(const AudioOutput& output, int patienceMs = 10000)
{
    for (int waited = 0; output.musicSounding(); waited += 5) {
        if (waited > patienceMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Delivers events until the condition holds; false once the patience runs out. (Qt's QTRY_ macros
// report to Qt's own test log, which GoogleTest never reads: a test could not fail through them.)
template <class Condition>
bool eventually(Condition condition, int patienceMs = 10000)
{
    return QTest::qWaitFor(condition, patienceMs);
}

// Listens to what the mixer puts out, after all mixing, in 10 ms windows; a window whose RMS is
// below -60 dBFS is silent. Counts from the first window that sounds. One at a time: it holds the
// mixer's post-mix hook for its lifetime.
class MixerTap {
public:
    MixerTap()
    {
        Uint16 format = 0;
        int rate = 0;
        Mix_QuerySpec(&rate, &format, &m_channels);
        m_windowSamples = rate / 100 * m_channels;
        m_valid = format == AUDIO_S16SYS && m_windowSamples > 0;
        if (m_valid)
            Mix_SetPostMix(&MixerTap::listen, this);
    }
    ~MixerTap()
    {
        if (m_valid)
            Mix_SetPostMix(nullptr, nullptr); // waits for a running callback to end
    }
    MixerTap(const MixerTap&) = delete;
    MixerTap& operator=(const MixerTap&) = delete;

    // Whether the mixer's format (16-bit) is one this tap reads.
    bool valid() const { return m_valid; }
    // Seconds of output since the first window that sounded.
    double heardSeconds() const { return m_heardWindows / 100.0; }
    // The longest run of silent windows since then, a run still going on included.
    double longestSilence() const { return m_longestSilent / 100.0; }

private:
    static void listen(void* self, Uint8* stream, int bytes)
    {
        static_cast<MixerTap*>(self)->take(reinterpret_cast<const std::int16_t*>(stream), bytes / 2);
    }
    void take(const std::int16_t* samples, int count)
    {
        // Runs on the audio thread; only it writes the counters.
        for (int i = 0; i < count; ++i) {
            m_sumOfSquares += double(samples[i]) * samples[i];
            if (++m_inWindow == m_windowSamples)
                endWindow();
        }
    }
    void endWindow()
    {
        const double rms = std::sqrt(m_sumOfSquares / m_windowSamples) / 32768.0;
        const bool silent = rms < 0.001; // -60 dBFS
        m_sumOfSquares = 0;
        m_inWindow = 0;
        if (m_heardWindows == 0 && silent)
            return;
        ++m_heardWindows;
        m_silentRun = silent ? m_silentRun + 1 : 0;
        if (m_silentRun > m_longestSilent)
            m_longestSilent = m_silentRun.load();
    }

    bool m_valid = false;
    int m_channels = 0;
    int m_windowSamples = 0;
    int m_inWindow = 0;
    double m_sumOfSquares = 0;
    std::atomic<int> m_heardWindows{0};
    std::atomic<int> m_silentRun{0};
    std::atomic<int> m_longestSilent{0};
};
