#include "ui/AudioOutput.h"
#include "ui/modSound.h"

#include "tests/support/AudioTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

// A program folder with the thirteen effects of the table, each a second of tone.
class SoundEffects : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir(QStringLiteral("audio"));
        for (const EffectFile& entry : EffectTable)
            ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("audio/")) + QLatin1String(entry.file), 1000));
        sound.LoadEffects(folder.path());
    }

    QTemporaryDir folder;
    AudioOutput output;
    modSound sound{output};
};

} // namespace

TEST_F(SoundEffects, EveryAliasOfTheTableIsLoadedFromItsFileWithAChannelOfItsOwn)
{
    EXPECT_TRUE(output.isOpen());
    EXPECT_GE(output.channelCount(), 16);
    for (const EffectFile& entry : EffectTable)
        EXPECT_TRUE(sound.isLoaded(entry.alias)) << entry.alias;
    EXPECT_FALSE(sound.isLoaded("scream")); // the file of "step", not an alias
}

TEST_F(SoundEffects, AliasesMatchWithoutRegardToCase)
{
    sound.PlayEffect("Go", true);
    EXPECT_TRUE(sound.isSounding("go"));
    sound.PlayEffect("TURTSELECT", true);
    EXPECT_TRUE(sound.isSounding("TurtSelect"));
}

TEST_F(SoundEffects, ADisabledSwitchPlaysNothing)
{
    sound.PlayEffect("water", false);
    sound.PlayEffect("cheer", false);
    EXPECT_FALSE(sound.isSounding("water"));
    EXPECT_FALSE(sound.isSounding("cheer"));
}

TEST_F(SoundEffects, EffectsStartedTogetherSoundTogether)
{
    sound.PlayEffect("water", true);
    sound.PlayEffect("boing", true);
    sound.PlayEffect("water", true); // again: starts over on its own channel, boing plays on
    EXPECT_TRUE(sound.isSounding("water"));
    EXPECT_TRUE(sound.isSounding("boing"));
}

TEST_F(SoundEffects, LoadingAnAliasAgainReplacesIt)
{
    sound.PlayEffect("oops", true);
    sound.LoadEffect(folder.filePath(QStringLiteral("audio/boo.wav")), "OOPS");
    EXPECT_FALSE(sound.isSounding("oops")); // closed first
    sound.PlayEffect("oops", true);
    EXPECT_TRUE(sound.isSounding("oops"));
}

TEST_F(SoundEffects, AMissingOrBrokenFileIsNamedAndLeavesItsAliasSilent)
{
    EXPECT_FALSE(sound.LoadEffect(folder.filePath(QStringLiteral("audio/none.wav")), "fall"));
    sound.PlayEffect("fall", true);
    EXPECT_FALSE(sound.isSounding("fall"));
    sound.PlayEffect("never loaded", true); // nothing to play, nothing happens

    const QString audio = folder.filePath(QStringLiteral("audio/"));
    QFile::remove(audio + QStringLiteral("go.wav"));
    QFile broken(audio + QStringLiteral("boo.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF, but no wave");
    broken.close();
    modSound fresh(output);
    EXPECT_EQ(fresh.LoadEffects(folder.path()),
              (QStringList{audio + QStringLiteral("boo.wav"), audio + QStringLiteral("go.wav")}));
    EXPECT_FALSE(fresh.isLoaded("go"));
    EXPECT_TRUE(fresh.isLoaded("cheer"));
}

TEST_F(SoundEffects, CloseAllEffectsReleasesEveryOne)
{
    sound.PlayEffect("alien", true);
    sound.CloseAllEffects();
    EXPECT_FALSE(sound.isSounding("alien"));
    sound.PlayEffect("alien", true);
    EXPECT_FALSE(sound.isSounding("alien"));
    EXPECT_FALSE(sound.isLoaded("dog"));
}

TEST(AudioOutput, WithoutASoundDeviceTheGameRunsSilentAndSaysSoOnce)
{
    const QByteArray before = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QTemporaryDir folder;
    ASSERT_TRUE(writeWav(folder.filePath(QStringLiteral("go.wav")), 1000));
    ::testing::internal::CaptureStderr();
    {
        AudioOutput output;
        modSound sound(output);
        EXPECT_TRUE(output.isOpen());
        EXPECT_TRUE(output.isSilent());
        sound.LoadEffect(folder.filePath(QStringLiteral("go.wav")), "go");
        sound.PlayEffect("go", true);
        EXPECT_TRUE(sound.isSounding("go"));
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    qputenv("SDL_AUDIODRIVER", before);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("no sound device"), std::string::npos) << said;
}

TEST(AudioOutput, LeavesTerminationSignalsToTheirDefaults)
{
    // Otherwise a plain kill would be turned into a quit event that nobody reads.
    AudioOutput output;
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}
