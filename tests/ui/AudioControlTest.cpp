#include "ui/AudioControl.h"
#include "ui/AudioMenu.h"
#include "ui/AudioOutput.h"
#include "ui/modSound.h"

#include "tests/support/AudioTestSupport.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Patience = 10000;

// A program folder with audio/short.wav (a piece that soon ends), audio/long.wav and one effect,
// and the Audio menu of a window, which the tests use as the player does.
class LevelAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir(QStringLiteral("audio"));
        ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("audio/short.wav")), 150));
        ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("audio/long.wav")), 20000));
        ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("audio/go.wav")), 1000));
        sound.LoadEffects(folder.path());
    }
    MusicDevice::Mode mode() { return control.mmcaudio().mode(); }
    [[nodiscard]] bool playLongPiece()
    {
        control.PrepareMusic(QStringLiteral("long.wav"));
        control.PlayMusic();
        return eventually([&] { return mode() == MusicDevice::Mode::Playing; });
    }

    QTemporaryDir folder;
    AudioOutput output;
    modSound sound{output};
    AudioControl control{sound, folder.path()};
    QSignalSpy done{&control.mmcaudio(), &MusicDevice::Done};
    QMainWindow window;
    AudioMenu menu = addAudioMenu(window.menuBar(), control, QStringLiteral("Music Auto-Play"));
};

} // namespace

TEST_F(LevelAudio, PreparingSetsUpTheDeviceAndStopsThePieceThatPlays)
{
    ASSERT_TRUE(playLongPiece());
    control.PrepareMusic(QStringLiteral("song.mid"));
    MusicDevice& device = control.mmcaudio();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    EXPECT_TRUE(device.Notify());
    EXPECT_TRUE(device.Wait());
    EXPECT_FALSE(device.Shareable());
    EXPECT_EQ(device.DeviceType(), QStringLiteral("Sequencer"));
    EXPECT_EQ(device.FileName(), folder.path() + QStringLiteral("/audio/song.mid"));

    // Only a lower-case ".mid" makes a sequencer piece.
    for (const char* name : {"song.MID", "song.rmi", "song.mp3", ""}) {
        control.PrepareMusic(QLatin1String(name));
        EXPECT_EQ(device.DeviceType(), QString()) << name;
    }
    control.PrepareMusic(QStringLiteral("song.midi"));
    EXPECT_EQ(device.DeviceType(), QStringLiteral("Sequencer"));
    control.PrepareMusic(QString());
    EXPECT_EQ(device.FileName(), QString());
}

TEST_F(LevelAudio, AMusicNameWithAFolderInItIsAMissingPiece)
{
    // The file is there, one folder up: a level file must not reach it.
    ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("outside.wav")), 20000));
    for (const char* name : {"../outside.wav", "..\\outside.wav", "audio/../../outside.wav"}) {
        control.PrepareMusic(QLatin1String(name));
        control.PlayMusic();
        EXPECT_EQ(control.mmcaudio().FileName(), QString()) << name;
        EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen) << name;
    }
    control.PrepareMusic(folder.filePath(QStringLiteral("outside.wav")));  // absolute
    control.PlayMusic();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
}

TEST_F(LevelAudio, APieceThatEndsStartsAgainWithoutAGapUntilMusicStop)
{
    MixerTap tap;
    ASSERT_TRUE(tap.valid());
    control.PrepareMusic(QStringLiteral("short.wav"));
    control.PlayMusic();
    ASSERT_TRUE(eventually([&] { return tap.heardSeconds() >= 0.6; })); // four passes and more
    EXPECT_EQ(tap.longestSilence(), 0.0);
    EXPECT_EQ(mode(), MusicDevice::Mode::Playing);
    EXPECT_EQ(done.count(), 0); // the device repeats it; nothing closed and reopened it
    menu.mnuMusicStop->trigger();
    EXPECT_TRUE(control.MusicCloseRequested);
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    ASSERT_TRUE(eventually([&] { return !control.MusicCloseRequested; })); // cleared by mmcaudio_Done
    deliverPostedEvents();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen); // a restart would be opening it again
    EXPECT_FALSE(output.musicSounding());
    EXPECT_TRUE(control.musicAutoPlay()); // Music Stop leaves Auto-Play as it was
}

TEST_F(LevelAudio, TheDoneEventPlaysThePieceAgainOnlyWhenItEndedByItself)
{
    // The device repeats the piece itself; were it to stop by itself all the same, the done
    // event would start it again, while a stop of the program's own never does.
    struct Case {
        bool closeRequested;
        int notifyCode;
        bool playsAgain;
    };
    const Case cases[] = {
        {true, MusicDevice::mciSuccessful, false},
        {false, MusicDevice::mciAborted, false},
        {true, MusicDevice::mciAborted, false},
        {false, MusicDevice::mciSuccessful, true},
    };
    for (const Case& c : cases) {
        control.PrepareMusic(QStringLiteral("long.wav"));
        control.MusicCloseRequested = c.closeRequested;
        control.mmcaudio_Done(c.notifyCode);
        EXPECT_FALSE(control.MusicCloseRequested);
        EXPECT_EQ(mode() != MusicDevice::Mode::NotOpen, c.playsAgain)
            << c.closeRequested << " " << c.notifyCode;
    }
    EXPECT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing; })); // the last case
}

TEST_F(LevelAudio, AStopThatClearsTheFlagAtOnceStillDoesNotRestartTheMusic)
{
    // New Game: MusicCloseRequested, "Close", then the flag false again before the event arrives.
    ASSERT_TRUE(playLongPiece());
    control.CloseMusic();
    control.MusicCloseRequested = false;
    ASSERT_TRUE(done.wait(Patience));
    deliverPostedEvents();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
}

TEST_F(LevelAudio, AStopWithNothingPlayingDoesNotKeepTheNextPieceFromRepeating)
{
    // Music Stop during a countdown, then "GO!": the piece must still repeat when it ends.
    control.PrepareMusic(QStringLiteral("short.wav"));
    control.mnuMusicStop_Click();
    EXPECT_FALSE(control.MusicCloseRequested);
    MixerTap tap;
    ASSERT_TRUE(tap.valid());
    control.PlayMusic();
    ASSERT_TRUE(eventually([&] { return tap.heardSeconds() >= 0.6; }));
    EXPECT_EQ(tap.longestSilence(), 0.0);
    control.mnuMusicStop_Click();
    EXPECT_TRUE(control.MusicCloseRequested);
    ASSERT_TRUE(eventually([&] { return !control.MusicCloseRequested; }));
}

TEST_F(LevelAudio, UncheckingAutoPlayStopsTheMusicAndCheckingItStartsItAtOnce)
{
    control.PrepareMusic(QStringLiteral("long.wav"));
    menu.mnuMusicAutoPlay->trigger(); // checked -> unchecked, with nothing playing yet
    EXPECT_FALSE(control.musicAutoPlay());
    EXPECT_FALSE(menu.mnuMusicAutoPlay->isChecked());
    EXPECT_FALSE(control.MusicCloseRequested);
    menu.mnuMusicAutoPlay->trigger(); // unchecked -> checked: the prepared piece starts
    EXPECT_TRUE(control.musicAutoPlay());
    ASSERT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing; }));
    control.mnuMusicAutoPlay_Click(); // a change made elsewhere shows in the menu too
    EXPECT_FALSE(menu.mnuMusicAutoPlay->isChecked());
    EXPECT_TRUE(control.MusicCloseRequested);
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    ASSERT_TRUE(done.wait(Patience));
    deliverPostedEvents();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
}

TEST_F(LevelAudio, PlayMusicPlaysOnlyWhileTheWindowsConditionHolds)
{
    bool testRunning = false;
    control.setPlayCondition([&] { return testRunning; });
    control.PrepareMusic(QStringLiteral("long.wav"));
    control.PlayMusic();
    EXPECT_EQ(mode(), MusicDevice::Mode::NotOpen);
    testRunning = true;
    control.PlayMusic();
    ASSERT_TRUE(eventually([&] { return mode() == MusicDevice::Mode::Playing; }));
}

TEST_F(LevelAudio, TheSoundEffectsItemGatesEveryEffect)
{
    menu.mnuSoundEffects->trigger();
    EXPECT_FALSE(control.soundEffects());
    EXPECT_FALSE(menu.mnuSoundEffects->isChecked());
    control.PlayEffect("Go");
    EXPECT_FALSE(sound.isSounding("go"));
    menu.mnuSoundEffects->trigger();
    EXPECT_TRUE(menu.mnuSoundEffects->isChecked());
    control.PlayEffect("Go");
    EXPECT_TRUE(sound.isSounding("go"));
}

TEST_F(LevelAudio, TheAudioMenuShowsTheSwitches)
{
    EXPECT_EQ(menu.mnuSound->title(), QStringLiteral("&Audio"));
    const QList<QAction*> items = menu.mnuSound->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Music Auto-Play"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Music Stop"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Sound Effects"));
    EXPECT_TRUE(menu.mnuMusicAutoPlay->isChecked());
    EXPECT_FALSE(menu.mnuMusicStop->isCheckable());
    EXPECT_TRUE(menu.mnuSoundEffects->isChecked());
}
