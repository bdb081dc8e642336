#include "ui/AudioOutput.h"
#include "ui/MusicDevice.h"

#include "tests/support/AudioTestSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int Patience = 10000; // ms: the dummy driver plays in real time

class Music : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(writeWav(path("short.wav"), 150));
        ASSERT_TRUE(writeWav(path("long.wav"), 20000));
        mmcaudio.setNotify(true);
        mmcaudio.setWait(true);
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    void openAndPlay(const char* name)
    {
        mmcaudio.setFileName(path(name));
        mmcaudio.setCommand(QStringLiteral("Open"));
        mmcaudio.setCommand(QStringLiteral("Play"));
    }

    QTemporaryDir folder;
    AudioOutput output;
    MusicDevice mmcaudio{output};
    QSignalSpy done{&mmcaudio, &MusicDevice::Done};
};

} // namespace

TEST_F(Music, APieceThatEndsByItselfRaisesTheDoneEventOnTheUiThread)
{
    QThread* deliveredOn = nullptr;
    QObject::connect(&mmcaudio, &MusicDevice::Done, [&] { deliveredOn = QThread::currentThread(); });
    openAndPlay("short.wav");
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
    ASSERT_TRUE(done.wait(Patience));
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(done.at(0).at(0).toInt(), MusicDevice::mciSuccessful);
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Stopped);
}

TEST_F(Music, ARepeatingPieceStartsAgainAtItsEndWithoutSilenceOrAnEvent)
{
    MixerTap tap;
    ASSERT_TRUE(tap.valid());
    mmcaudio.setRepeat(true);
    openAndPlay("short.wav");
    ASSERT_TRUE(eventually([&] { return tap.heardSeconds() >= 0.6; })); // four passes and more
    deliverPostedEvents();
    EXPECT_EQ(tap.longestSilence(), 0.0);
    EXPECT_EQ(done.count(), 0);
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
    mmcaudio.setCommand(QStringLiteral("Close"));
    ASSERT_TRUE(done.wait(Patience));
    EXPECT_EQ(done.at(0).at(0).toInt(), MusicDevice::mciAborted);
}

TEST_F(Music, OpenAndPlayRaiseNoDoneEventButClosingAPlayingPieceDoes)
{
    mmcaudio.setFileName(path("long.wav"));
    mmcaudio.setCommand(QStringLiteral("open")); // commands match without regard to case
    mmcaudio.setCommand(QStringLiteral("PLAY"));
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
    mmcaudio.setCommand(QStringLiteral("Open")); // a second Open and Play let the piece play on
    mmcaudio.setCommand(QStringLiteral("Play"));
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 0);
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
    EXPECT_TRUE(output.musicSounding());

    mmcaudio.setCommand(QStringLiteral("Close"));
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::NotOpen);
    EXPECT_EQ(done.count(), 0); // delivered later, as an event
    ASSERT_TRUE(done.wait(Patience));
    EXPECT_EQ(done.at(0).at(0).toInt(), MusicDevice::mciAborted);
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 1); // the halt's own finish report is not a second event
    EXPECT_FALSE(output.musicSounding());
}

TEST_F(Music, ClosingAPieceThatIsNotPlayingRaisesNothing)
{
    mmcaudio.setFileName(path("long.wav"));
    mmcaudio.setCommand(QStringLiteral("Open"));
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Stopped);
    mmcaudio.setCommand(QStringLiteral("Close"));
    mmcaudio.setCommand(QStringLiteral("Close"));
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 0);
}

TEST_F(Music, AClosedPieceThatHadAlreadyEndedReportsOnlyOnce)
{
    openAndPlay("short.wav");
    ASSERT_TRUE(waitUntilMusicIsSilent(output)); // it ended; its report waits in the event queue
    mmcaudio.setCommand(QStringLiteral("Close"));
    deliverPostedEvents();
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.at(0).at(0).toInt(), MusicDevice::mciAborted);
}

TEST_F(Music, WithoutNotifyNothingIsReported)
{
    mmcaudio.setNotify(false);
    openAndPlay("short.wav");
    ASSERT_TRUE(waitUntilMusicIsSilent(output));
    deliverPostedEvents();
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Stopped);
    mmcaudio.setCommand(QStringLiteral("Close"));
    openAndPlay("long.wav");
    mmcaudio.setCommand(QStringLiteral("Close"));
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 0);
}

TEST_F(Music, CloseWhileLoadingMeansTheLoadedPieceNeverPlays)
{
    mmcaudio.setWait(false);
    openAndPlay("long.wav");
    mmcaudio.setCommand(QStringLiteral("Close"));
    ASSERT_TRUE(eventually([&] { return !mmcaudio.loadsPending(); }));
    deliverPostedEvents();
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::NotOpen);
    EXPECT_FALSE(output.musicSounding());
    EXPECT_EQ(done.count(), 0);
}

TEST_F(Music, WhatCannotBeOpenedLeavesTheDeviceClosed)
{
    const std::pair<const char*, QString> cases[] = {
        {"", path("missing.mp3")},
        {"", folder.path()}, // an empty music name leaves the audio folder itself
        {"Sequencer", path("long.wav")}, // a sequencer opens MIDI only
    };
    for (const auto& [type, file] : cases) {
        mmcaudio.setDeviceType(QLatin1String(type));
        mmcaudio.setFileName(file);
        mmcaudio.setCommand(QStringLiteral("Open"));
        mmcaudio.setCommand(QStringLiteral("Play"));
        EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::NotOpen) << type << " " << file.toStdString();
    }
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 0);
}

TEST_F(Music, MidiPlaysAsASequencerPieceThroughTheSoundfont)
{
    if (!QFileInfo::exists(QLatin1String(AudioOutput::DefaultSoundfont)))
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    ASSERT_TRUE(writeMidi(path("song.mid")));
    mmcaudio.setDeviceType(QStringLiteral("Sequencer"));
    mmcaudio.setWait(false); // as PlayMusic opens: the soundfont loads in the background
    openAndPlay("song.mid");
    ASSERT_TRUE(eventually([&] { return mmcaudio.mode() == MusicDevice::Mode::Playing; }));
    ASSERT_TRUE(done.wait(Patience)); // one note, then the synthesiser's release
    EXPECT_EQ(done.at(0).at(0).toInt(), MusicDevice::mciSuccessful);
}

TEST_F(Music, ARepeatingMidiPieceStartsAgainOnItsLastTickNotAfterTheSynthesisersTail)
{
    // Played once, the synthesiser goes on until its last voice has died away and two seconds
    // more; repeated, the next pass begins where the file ends.
    if (!QFileInfo::exists(QLatin1String(AudioOutput::DefaultSoundfont)))
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    ASSERT_TRUE(writeMidi(path("song.mid"))); // one half-second note
    MixerTap tap;
    ASSERT_TRUE(tap.valid());
    mmcaudio.setDeviceType(QStringLiteral("Sequencer"));
    mmcaudio.setRepeat(true);
    openAndPlay("song.mid");
    ASSERT_TRUE(eventually([&] { return tap.heardSeconds() >= 2.0; })); // four passes
    EXPECT_LT(tap.longestSilence(), 0.05);
    deliverPostedEvents();
    EXPECT_EQ(done.count(), 0);
    EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
}

TEST(MusicWithoutSoundfont, MidiStaysSilentAndTheMissingSoundfontIsToldOnce)
{
    QTemporaryDir folder;
    ASSERT_TRUE(writeMidi(folder.filePath(QStringLiteral("song.mid"))));
    ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("song.wav")), 1000));
    ::testing::internal::CaptureStderr();
    {
        AudioOutput output(folder.filePath(QStringLiteral("no-such.sf3")));
        MusicDevice mmcaudio(output);
        mmcaudio.setWait(true);
        for (const char* type : {"Sequencer", ""}) {
            mmcaudio.setDeviceType(QLatin1String(type));
            mmcaudio.setFileName(folder.filePath(QStringLiteral("song.mid")));
            mmcaudio.setCommand(QStringLiteral("Open"));
            EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::NotOpen) << type;
        }
        mmcaudio.setFileName(folder.filePath(QStringLiteral("song.wav"))); // other music still plays
        mmcaudio.setCommand(QStringLiteral("Open"));
        mmcaudio.setCommand(QStringLiteral("Play"));
        EXPECT_EQ(mmcaudio.mode(), MusicDevice::Mode::Playing);
        mmcaudio.setCommand(QStringLiteral("Close"));
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("no-such.sf3"), std::string::npos) << said;
}
