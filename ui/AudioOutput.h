#pragma once

#include <QString>

// The sound output of the process: SDL's audio and the mixer, opened once (by main) before the
// sound effects and the music devices, closed after them. Without a sound device the game runs
// silent on SDL's dummy driver, saying so in one line on stderr.
class AudioOutput {
public:
    static constexpr int MixChannels = 32;  // one per effect alias, with room to spare
    static constexpr const char* DefaultSoundfont = "/usr/share/sounds/sf3/default-GM.sf3";

    // soundfont: the General MIDI soundfont FluidSynth plays MIDI music with.
    explicit AudioOutput(const QString& soundfont = QString::fromLatin1(DefaultSoundfont));
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // The mixer is open: effects and music can be loaded (perhaps only to play into silence).
    bool isOpen() const { return m_open; }
    // Running on the dummy driver: everything plays, nothing is heard.
    bool isSilent() const { return m_silent; }
    // Mixing channels allocated: at least MixChannels while open.
    int channelCount() const;
    // Whether a piece of music is sounding in the mixer right now.
    bool musicSounding() const;

    // Whether MIDI music can play: false when the soundfont is missing, which is reported on
    // stderr the first time MIDI is asked for. Thread-safe.
    bool midiAvailable();

private:
    bool m_open = false;
    bool m_silent = false;
    bool m_soundfontPresent = false;
    QString m_soundfont;
};
