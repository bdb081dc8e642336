#pragma once

#include <QString>

#include <cstdint>

// The sound output of the process: SDL's audio and the mixer, opened once (by main) before the
// sound effects and the music devices, closed after them. Without a sound device the game runs
// silent on SDL's dummy driver, saying so in one line on stderr.
class AudioOutput {
public:
    static constexpr int MixChannels = 32;     // one per effect alias, with room to spare
    static constexpr int BufferFrames = 1024;  // mixed at a time: the step of the mixer's clock
    static constexpr const char* DefaultSoundfont = "/usr/share/sounds/sf3/default-GM.sf3";

    // soundfont: the General MIDI soundfont FluidSynth plays MIDI music with.
    explicit AudioOutput(const QString& soundfont = QString::fromLatin1(DefaultSoundfont));
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // The mixer is open: effects and music can be loaded (perhaps only to play into silence).
    bool isOpen() const { return m_open; }
    // Whether a piece of music is sounding in the mixer right now.
    bool musicSounding() const;
    // The mixer's clock: frames mixed since the output opened, counted after each BufferFrames,
    // at the rate of frames a second it mixes (0 while closed).
    std::int64_t framesMixed() const;
    int rate() const { return m_rate; }

    // Whether MIDI music can play: false when the soundfont is missing, which is reported on
    // stderr the first time MIDI is asked for. Thread-safe.
    bool midiAvailable();

private:
    bool m_open = false;
    int m_rate = 0;
    bool m_soundfontPresent = false;
    QString m_soundfont;
};
