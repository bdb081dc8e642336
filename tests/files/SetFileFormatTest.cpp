// The level set file and the self-contained replay that carries a set: written and read back
// byte for byte, the set's identity as documented, and hostile files refused at the line at fault.

#include "files/sets/SetFileFormat.h"
#include "files/LevelFile.h"
#include "files/ReplayFile.h"
#include "tests/support/BoardText.h"
#include "tests/support/RefusalRows.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace {

// A level that reads whole: its music, three numbers and 20 rows of blanks.
QByteArray level(const char* music) { return levelFileBytes({music, "100", "1500", "1000"}, boardFromText("")); }

const QByteArray A = level("a.mid"), B = level("b.mid");

const QByteArray GoodSet = "pondrake-set 1\nname Rocks\nlevel " + A.toBase64() + "\nlevel " + B.toBase64() + '\n';

QByteArray sha(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

// Two levels carried, level 1 played.
const QByteArray GoodReplay = "pondrake-replay 3\nseed 7\nset Rocks\nsetlevel " + A.toBase64() + "\nsetlevel " +
                              B.toBase64() + "\nlevel 1 " + sha(A).toHex() + " level1.txt\n0 new\n30 end 5\n";

}  // namespace

TEST(SetFile, ReadsBackByteForByteAndIsKnownByItsLevelsAlone)
{
    const SetFile set{
        QStringLiteral("Rock G\u00e4rdens"), QStringLiteral("Kim"), QStringLiteral("One.\n\nTwo."), {A, B}};
    const QByteArray bytes = setFileBytes(set);
    const SetReading reading = readSetFile(bytes);
    ASSERT_TRUE(reading.set) << reading.line << ": " << reading.error.english().toStdString();
    EXPECT_EQ(*reading.set, set);
    EXPECT_EQ(setFileBytes(*reading.set), bytes);
    EXPECT_TRUE(readSetFile(QByteArray(GoodSet).replace("\n", "\r\n")).set) << "CR LF line ends are read too";

    // sha256(sha256(A) + sha256(B)) of the raw digests, as worked out with Python's hashlib.
    EXPECT_EQ(setIdentity(set.levels), "71b9ea99f92f6d667105e115ffda39912a6640a1c688044ea576b9e9be912043");
    EXPECT_EQ(setIdentity({A}), "e7fb3dfa4983915426edeee7ead79e7e99422103c7a8ee9c4efc7f53e3e1731c");
    EXPECT_NE(setIdentity({B, A}), setIdentity(set.levels)) << "the order of the levels counts";
}

TEST(SetFile, AHostileFileIsRefusedAtTheLineAtFault)
{
    const QByteArray notALevel = QByteArray("a.mid\r\n100\r\n").toBase64();
    QByteArray thousandAndOne = "pondrake-set 1\nname Many\n";
    for (std::size_t i = 0; i <= MaxSetLevels; ++i)
        thousandAndOne += "level " + A.toBase64() + '\n';
    const QByteArray tooLarge = (A + QByteArray(MaxSetLevelBytes, 'x')).toBase64();
    expectRefusals(GoodSet,
                   {
                       {"pondrake-set 1", "pondrake-set 2", 1, "newer version"},
                       {"pondrake-set 1", "pondrake-set", 1, "no level set"},
                       {"name Rocks", "name " + QByteArray(101, 'r'), 2, "at most 100"},
                       {"name Rocks", "name \xee\xeeRocks", 2, "not UTF-8"},
                       {"name Rocks", "name Rocks\nname Stones", 3, "unknown line"},
                       {"name Rocks", "author Kim", 4, "no name"},
                       {"name Rocks", "name Rocks\n", 3, "unknown line"},
                       {"\nlevel " + B.toBase64(), "\nauthor Kim", 4, "only levels follow"},
                       {B.toBase64(), notALevel, 4, "level 2 cannot be read as a level: it stops at line 3"},
                       {B.toBase64(), tooLarge, 4, "level 2 is larger than a level can be"},
                       {"level " + A.toBase64() + "\nlevel " + B.toBase64() + '\n', "", 2, "no level"},
                       {GoodSet, thousandAndOne, 1003, "at most 1000 levels"},
                   },
                   [](const QByteArray& bytes) { return readSetFile(bytes); });
    EXPECT_TRUE(readSetFile(GoodSet).set);
    EXPECT_TRUE(readSetFile(QByteArray(MaxSetBytes + 1, 'x')).error.english().contains(QLatin1String("larger")));
}

// A self-contained replay carries its set and no path: a folder line it arrives with is dropped.
// Its level lines must be the digests of the levels it carries.
TEST(SetFile, ASelfContainedReplayCarriesItsSetAndIsRefusedAtTheLineAtFault)
{
    const RecordingReading withFolder =
        readRecording(QByteArray(GoodReplay).replace("seed 7\n", "seed 7\nfolder /home/kim/levels\n"));
    ASSERT_TRUE(withFolder.recording && withFolder.folderLine && !readRecording(GoodReplay).folderLine);
    EXPECT_EQ(recordingBytes(*withFolder.recording), GoodReplay);

    const QByteArray a = "setlevel " + A.toBase64() + '\n';
    QByteArray tooMuch = "set Huge\n";  // 16 MiB of levels in a file well below the replay's 64 MiB
    for (qsizetype bytes = 0; bytes <= MaxSetBytes; bytes += MaxSetLevelBytes)
        tooMuch += "setlevel " + (A + QByteArray(MaxSetLevelBytes - A.size(), 'x')).toBase64() + '\n';
    expectRefusals(
        GoodReplay,
        {
            {"set Rocks\n", "", 3, "follow its name"},
            {"level1.txt\n", "level1.txt\n" + a, 7, "follow its name"},
            {"set Rocks\n", "set Rocks\nset Stones\n", 4, "unknown line"},
            {"set Rocks", "set \x01", 3, "control character"},
            {"pondrake-replay 3", "pondrake-replay 2", 3, "unknown line"},
            {"set Rocks\n" + a + "setlevel " + B.toBase64() + "\nlevel 1 " + sha(A).toHex() + " level1.txt\n",
             "set Rocks\n", 3, "carries none"},
            {"set Rocks\n", tooMuch, 260, "larger than a set can be"},
            {"0 new\n", "0 new\n1 sitting 9 1 0 0 fresh\n", 8, "later sitting"},
            {"0 new", "0 sitting 9 1 0 0 0 fresh", 7, "start with New Game"},
        },
        [](const QByteArray& bytes) { return readRecording(bytes); });
    // A later sitting needs version 3.
    const QByteArray sitting = "pondrake-replay 1\nseed 7\n0 new\n1 sitting 9 1 0 0 0 fresh\n2 end 0\n";
    EXPECT_TRUE(readRecording(sitting).error.english().contains(QLatin1String("unknown event")));
    EXPECT_TRUE(readRecording(QByteArray(sitting).replace("replay 1", "replay 3")).recording);
}
