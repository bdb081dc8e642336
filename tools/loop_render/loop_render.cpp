// Plays one piece of level music as a level does (prepareMusic, then playMusic, the done event
// handled by the music control) until the mixer has put out the given seconds of audio, with
// SDL's disk driver writing that output to a file. Prints the file's sample format.
// Not part of the game: tools/loop_gap.py runs it.
//
// With a fifth argument the window stops wanting the music after that many seconds of output, as
// the editor does when Save Level ends a test: the piece should then end where its pass ends.
#include "ui/audio/AudioControl.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"

#include <QCoreApplication>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<long long> g_bytesMixed{0};

void countMixed(void*, Uint8*, int bytes) { g_bytesMixed += bytes; }

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr,
                     "usage: loop_render <program folder> <music name> <seconds> <output file> [repeat seconds]\n");
        return 2;
    }
    const double seconds = std::atof(argv[3]);
    const double repeatSeconds = argc == 6 ? std::atof(argv[5]) : seconds;
    // The disk driver is chosen only by name; it writes in real time, as a sound card plays.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", argv[4], 1);
    QCoreApplication app(argc, argv);

    AudioOutput output;
    const char* driver = SDL_GetCurrentAudioDriver();
    if (!output.isOpen() || !driver || std::string_view(driver) != "disk") {
        std::fprintf(stderr, "loop_render: SDL's disk audio driver could not be opened\n");
        return 1;
    }
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    if (format != AUDIO_S16LSB) {
        std::fprintf(stderr, "loop_render: the mixer runs in format 0x%x, not 16-bit little-endian\n", format);
        return 1;
    }
    const long long frameBytes = static_cast<long long>(channels) * 2;
    const long long target = static_cast<long long>(seconds * rate) * frameBytes;
    const long long repeatUntil = static_cast<long long>(repeatSeconds * rate) * frameBytes;
    Mix_SetPostMix(&countMixed, nullptr);

    SoundEffects sound(output);
    AudioControl control(sound, QString::fromLocal8Bit(argv[1]));
    control.setPlayCondition([&] { return g_bytesMixed < repeatUntil; });
    control.prepareMusic(QString::fromLocal8Bit(argv[2]));
    control.playMusic();

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (g_bytesMixed >= target)
            QCoreApplication::quit();
    });
    poll.start(20);
    QCoreApplication::exec();
    control.closeMusic();
    Mix_SetPostMix(nullptr, nullptr);
    std::printf("s16le %d %d\n", rate, channels);
    return 0;
}
