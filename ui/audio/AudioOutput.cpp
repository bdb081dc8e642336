#include "ui/audio/AudioOutput.h"

#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cassert>
#include <cstdio>

namespace {

std::atomic<bool> g_outputExists{false};       // the mixer is one per process
std::atomic<bool> g_soundfontReported{false};  // the missing soundfont is told once a run
std::atomic<std::int64_t> g_framesMixed{0};
int g_frameBytes = 0;  // written before the counting starts

bool openMixer() { return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, AudioOutput::BufferFrames) == 0; }

// Runs on the audio thread after everything has been mixed, as the last effect of the output.
void countFrames(int, void*, int bytes, void*) { g_framesMixed += bytes / g_frameBytes; }

}  // namespace

AudioOutput::AudioOutput(const QString& soundfont) : m_soundfont(soundfont)
{
    [[maybe_unused]] const bool already = g_outputExists.exchange(true);
    assert(!already && "one AudioOutput at a time");

    m_soundfontPresent = QFileInfo(soundfont).isFile();
    if (m_soundfontPresent)
        Mix_SetSoundFonts(QFileInfo(soundfont).absoluteFilePath().toLocal8Bit().constData());

    // SDL would catch SIGINT and SIGTERM and turn them into quit events that nobody reads: the
    // game could then not be ended by a plain kill. Leave the signals to their defaults.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    m_open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openMixer();
    if (!m_open) {
        // No usable sound device: SDL's dummy driver takes everything and plays it into silence.
        const QString reason = QString::fromUtf8(SDL_GetError());
        if (SDL_WasInit(SDL_INIT_AUDIO))
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openMixer();
        std::fprintf(stderr, "Pondrake: no sound device (%s); playing without sound.\n", qPrintable(reason));
    }
    if (!m_open)
        return;
    Mix_AllocateChannels(MixChannels);
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&m_rate, &format, &channels);
    g_frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    g_framesMixed = 0;
    if (g_frameBytes > 0)
        Mix_RegisterEffect(MIX_CHANNEL_POST, &countFrames, nullptr, nullptr);
}

AudioOutput::~AudioOutput()
{
    if (m_open) {
        Mix_HookMusicFinished(nullptr);
        Mix_UnregisterAllEffects(MIX_CHANNEL_POST);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
    }
    Mix_Quit();
    if (SDL_WasInit(SDL_INIT_AUDIO))
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_Quit();  // also forgets the dummy-driver hint, so the next output tries the real device
    g_outputExists = false;
}

bool AudioOutput::musicSounding() const { return m_open && Mix_PlayingMusic(); }

std::int64_t AudioOutput::framesMixed() const { return g_framesMixed; }

bool AudioOutput::midiAvailable()
{
    if (!m_soundfontPresent && !g_soundfontReported.exchange(true))
        std::fprintf(stderr, "Pondrake: the General MIDI soundfont %s is missing; MIDI music stays silent.\n",
                     qPrintable(m_soundfont));
    return m_soundfontPresent;
}
