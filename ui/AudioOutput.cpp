#include "ui/AudioOutput.h"

#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cassert>
#include <cstdio>

namespace {

std::atomic<bool> g_outputExists{false};       // the mixer is one per process
std::atomic<bool> g_soundfontReported{false};  // the missing soundfont is told once a run

bool openMixer() { return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0; }

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
    const char* driver = SDL_GetCurrentAudioDriver();
    m_silent = !m_open || (driver && QLatin1String(driver) == QLatin1String("dummy"));
    if (m_open)
        Mix_AllocateChannels(MixChannels);
}

AudioOutput::~AudioOutput()
{
    if (m_open) {
        Mix_HookMusicFinished(nullptr);
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

int AudioOutput::channelCount() const { return m_open ? Mix_AllocateChannels(-1) : 0; }

bool AudioOutput::musicSounding() const { return m_open && Mix_PlayingMusic(); }

bool AudioOutput::midiAvailable()
{
    if (!m_soundfontPresent && !g_soundfontReported.exchange(true))
        std::fprintf(stderr, "Pondrake: the General MIDI soundfont %s is missing; MIDI music stays silent.\n",
                     qPrintable(m_soundfont));
    return m_soundfontPresent;
}
