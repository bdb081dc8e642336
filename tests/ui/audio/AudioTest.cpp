// The sound of the process on SDL's dummy driver, which plays in real time: the effects, and the
// rules of the level music. Only the story of a piece that ends with a pass waits for the mixer to
// play, and it allows seconds for each wait; the others wait for pieces to load and for events to
// arrive, nothing more.
#include "ui/audio/AudioControl.h"
#include "ui/audio/AudioOutput.h"
#include "ui/audio/SoundEffects.h"

#include "tests/support/AudioTestSupport.h"
#include "tests/support/MixerTap.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A program folder with audio/short.wav (a piece that soon ends), audio/long.wav and go.wav.
class Audio : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("audio")));
        for (const auto& [name, ms] :
             {std::pair{"short.wav", 150}, {"half.wav", 500}, {"two.wav", 2000}, {"long.wav", 20000}, {"go.wav", 1000}})
            ASSERT_TRUE(writeWav(audio(name), ms));
        sound.loadEffects(folder.path());
        control.setPlayCondition([this] { return wanted; });
    }
    QString audio(const char* name) { return folder.filePath(QStringLiteral("audio/")) + QLatin1String(name); }
    MusicDevice::Mode mode() { return device.mode(); }
    // playMusic returns at once, the piece loading in the background, and it plays soon after.
    [[nodiscard]] bool play(const char* piece)
    {
        control.prepareMusic(QLatin1String(piece));
        control.playMusic();
        return mode() == MusicDevice::Mode::Opening && eventually([&] { return mode() == MusicDevice::Mode::Playing; });
    }

    QTemporaryDir folder;
    AudioOutput output;
    SoundEffects sound{output};
    AudioControl control{sound, folder.path()};
    MusicDevice& device = control.musicDevice();
    QSignalSpy done{&device, &MusicDevice::done};
    bool wanted = true;  // what playMusic asks: the editor's test runs, or the game's window is there
};

}  // namespace

TEST_F(Audio, AnEffectPlaysOnlyWhileEffectsAreSwitchedOn)
{
    control.toggleSoundEffects();  // off
    control.playEffect("Go");      // aliases match without regard to case
    EXPECT_FALSE(sound.isSounding("go"));
    control.toggleSoundEffects();
    control.playEffect("Go");
    EXPECT_TRUE(sound.isSounding("go"));
}

// Both stop the piece, as a level's music step does. ".mid" as written makes a sequencer piece; a
// name with a folder in it is a missing piece.
TEST_F(Audio, PreparingOrResettingTheMusicStopsThePieceAndNamesTheNextOne)
{
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"song.mid", "Sequencer", audio("song.mid")},
        {"song.midi", "Sequencer", audio("song.midi")},
        {"song.MID", "", audio("song.MID")},
        {"../long.wav", "", ""},
        {nullptr, "", audio("long.wav")}};  // a reset keeps the piece that play() prepared
    for (const auto& [piece, type, file] : cases) {
        ASSERT_TRUE(play("long.wav"));
        piece ? control.prepareMusic(QLatin1String(piece)) : control.resetMusicDevice();
        EXPECT_EQ(device.deviceType(), type);
        EXPECT_EQ(device.fileName(), file);
        ASSERT_TRUE(done.wait());  // the piece was stopped, as any stop reports
    }
    // A sequencer opens MIDI only: a wave file named .mid stays closed, while the same file
    // under another name plays.
    ASSERT_TRUE(writeWav(audio("wave.mid"), 100) && writeWav(audio("wave.MID"), 100));
    control.prepareMusic(QStringLiteral("wave.mid"));
    control.playMusic();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    ASSERT_TRUE(play("wave.MID"));
}

// Music Stop and Music Auto-Play, one after the other: every stop is the program's own.
TEST_F(Audio, EveryStopOfTheProgramsOwnStopsThePieceForGood)
{
    control.prepareMusic(QStringLiteral("long.wav"));
    control.playMusic();
    control.stopMusic();  // while the piece loads: nothing plays, so nothing will report the stop
    ASSERT_TRUE(eventually([&] { return !device.loadsPending(); }));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    EXPECT_FALSE(control.musicCloseRequested);
    EXPECT_EQ(done.count(), 0);
    ASSERT_TRUE(play("short.wav"));
    control.stopMusic();
    EXPECT_TRUE(control.musicCloseRequested);
    ASSERT_TRUE(done.wait());
    EXPECT_FALSE(control.musicCloseRequested);  // cleared by the done event, which did not restart it
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    EXPECT_FALSE(output.musicSounding());

    control.toggleMusicAutoPlay();  // off, with nothing playing (Music Stop left it on)
    control.toggleMusicAutoPlay();  // on: the prepared piece starts at once
    ASSERT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing; }));
    control.toggleMusicAutoPlay();  // off again: a stop of the program's own
    EXPECT_TRUE(control.musicCloseRequested);
    ASSERT_TRUE(done.wait());
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
}

TEST_F(Audio, TheDoneEventPlaysThePieceAgainOnlyWhenItEndedByItself)
{
    constexpr int ended = MusicDevice::mciSuccessful, closed = MusicDevice::mciAborted;
    const std::tuple<bool, int, bool> cases[] = {
        {true, ended, false}, {false, closed, false}, {true, closed, false}, {false, ended, true}};
    for (const auto& [closeRequested, notifyCode, playsAgain] : cases) {
        control.prepareMusic(QStringLiteral("long.wav"));
        control.musicCloseRequested = closeRequested;
        control.musicDone(notifyCode);
        EXPECT_FALSE(control.musicCloseRequested);
        EXPECT_EQ(mode() != MusicDevice::Mode::NotOpen, playsAgain) << closeRequested << " " << notifyCode;
    }
}

// The editor after Save Level ends a test: a piece of two seconds, sampled or MIDI, repeats in the
// mixer while playMusic would play it, and once that no longer holds it ends where a pass ends,
// reports that it played to its end, and is not started again. Heard in the mixer's output. The
// device decides in a pass's last buffers, so on a busy machine its fade may start late, or a look
// too late for one pass's end lets the next play whole: the end may come with any pass after the
// second, and up to a second past it; a piece stopped at once, mid-pass, ends 1.5 passes in.
TEST_F(Audio, APieceRepeatsWhileItsWindowWouldStartItAgainAndThenEndsWhereAPassEnds)
{
    constexpr std::int64_t Second = 44100, Pass = 2 * Second;  // frames at the mixer's 44100 a second
    // Format 0, one track, 96 ticks a quarter of two seconds: an organ's C held for one quarter.
    QFile midi(audio("tick.mid"));
    ASSERT_TRUE(midi.open(QIODevice::WriteOnly));
    midi.write(QByteArray::fromHex("4d546864000000060000000100604d54726b00000016"
                                   "00ff51031e8480 00c013 00903c60 60803c40 00ff2f00"));
    midi.close();
    for (const char* piece : {"two.wav", "tick.mid"}) {
        SCOPED_TRACE(piece);
        wanted = true;
        done.clear();
        MixerTap tap;
        ASSERT_TRUE(play(piece));
        ASSERT_TRUE(
            eventually([&] { return tap.firstSound() >= 0 && tap.frames() - tap.firstSound() > Pass * 3 / 2; }));
        EXPECT_EQ(done.count(), 0);  // the mixer repeated it; nothing closed and reopened it
        wanted = false;
        ASSERT_TRUE(done.wait(10000));
        EXPECT_LE(tap.frames() - tap.lastSound(), 3 * Second) << "reported as the pass ended";
        EXPECT_EQ(done.first().first().toInt(), int(MusicDevice::mciSuccessful));
        // The passes heard to their last buffers (the fade's).
        const std::int64_t heard = tap.lastSound() - tap.firstSound();
        const std::int64_t passes = (heard + 5 * AudioOutput::BufferFrames) / Pass;
        EXPECT_GE(passes, 2) << heard;
        EXPECT_LE(heard, passes * Pass + Second) << "nothing of a pass after the last but a late fade";
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(done.count(), 1);
        EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);  // the done event closed it and did not play it again
        EXPECT_FALSE(output.musicSounding());
    }
}

// The window starts a new piece at once after a stop, so the stop's done event arrives when the
// new piece is loading: it belongs to the piece replaced, and changes nothing. The editor's second
// test after Save, and the game's stops that come before a new piece.
TEST_F(Audio, ADoneEventOfAPieceReplacedSinceChangesNothing)
{
    const std::tuple<const char*, std::function<void()>, const char*> stops[] = {
        {"Test Level, Save Level, Test Level", [&] { wanted = false, wanted = true; }, "half.wav"},
        {"New Game", [&] { control.closeMusic(), control.musicCloseRequested = false; }, "half.wav"},
        {"Replay Level", [&] { control.closeMusic(); }, "long.wav"},
    };
    for (const auto& [story, stop, next] : stops) {
        ASSERT_TRUE(play("long.wav")) << story;
        done.clear();
        stop();
        control.prepareMusic(QLatin1String(next));  // the stop's event waits in the queue
        control.playMusic();
        ASSERT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing && !device.loadsPending(); }))
            << story;
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(mode(), MusicDevice::Mode::Playing) << story;
        EXPECT_EQ(done.count(), 0) << story;
        control.stopMusic();
        ASSERT_TRUE(done.wait()) << story;  // a stop of the piece that plays still reports
        EXPECT_FALSE(control.musicCloseRequested) << story;
    }
}
