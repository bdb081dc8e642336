// Which files the game uses: the score tables', a level set's levels, the kept game's, and a
// level's music.

#include "files/KeptGame.h"
#include "files/MusicPath.h"
#include "files/ScoreLocation.h"
#include "files/sets/SetPaths.h"
#include "tests/support/FileTestSupport.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

// The folders made (as makeTree reads them, "mark" the mark that installing leaves in program/),
// a set's folder, and where its table goes: a path in the folder, or in player/ the data folder
// ("*" any name). The shipped set ("program/levels") keeps its table beside the program only in a
// copy that is not installed and can save there. Read-only rows need a user without the superuser's
// rights: ctest runs them again as nobody.
TEST(ScoreLocation, BesideTheSetWhenItCanSaveThereElseInThePlayersData)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "program/levels", "program/levels/scores.txt"},  // the save makes the levels folder
        {"program/levels/scores.txt", "program/levels", "program/levels/scores.txt"},
        {"program/levels/ mark", "program/levels/", "player/levels/scores.txt"},  // however the path is written
        {"program/levels/scores.txt mark", "program/levels", "player/levels/scores.txt"},  // even an old table
        {"program/levels", "program/levels", "player/levels/scores.txt"},
        {"program/levels/-", "program/levels", "player/levels/scores.txt"},
        {"program/levels/scores.txt-", "program/levels", "player/levels/scores.txt"},
        {"set/", "set", "set/scores.txt"},
        {"set/scores.txt", "set", "set/scores.txt"},
        {"set/-", "set", "player/set scores/set-*"},
        {"set/scores.txt-", "set", "player/set scores/set-*"},
        {"set/scores.txt/", "set", "player/set scores/set-*"},
        {"", "set", "player/set scores/set-*"},  // the folder has gone
    };
    bool skipped = false;
    for (const auto& [made, set, where] : cases) {
        if (geteuid() == 0 && (QString(made) + u' ').contains("- ")) {
            skipped = true;  // the superuser may write anywhere
            continue;
        }
        QTemporaryDir root;
        const QString program = root.filePath("program"), player = root.filePath("player");
        makeTree(root.path(), QString("program/ ") + QString(made).replace("mark", installedMarkPath("program")));
        const QString found = scoreLocationOfSet(root.filePath(set), program, player);
        const QString expected = root.filePath(QString(where).remove(u'*'));
        EXPECT_TRUE(QString(where).endsWith(u'*') ? found.startsWith(expected) && found.endsWith(".txt")
                                                  : found == expected)
            << made << ": " << found.toStdString();
        // Without a data folder, no table rather than one at the root of the disk.
        const QString alone = scoreLocationOfSet(root.filePath(set), program, QString());
        EXPECT_EQ(alone, QString(where).startsWith("player/") ? QString() : expected) << made;
        if (QString(set).startsWith("program/")) {
            EXPECT_EQ(scoreLocation(program, player), found) << made;
            EXPECT_EQ(scoreLocation(program, QString()), alone) << made;
        }
    }
    if (skipped)
        GTEST_SKIP() << "the read-only rows, as the superuser may write anywhere (ctest runs them as nobody)";
}

// Two sets of the same name in different places keep two tables in the data folder; the name stays
// one the file system takes.
TEST(ScoreLocation, SetsOfTheSameNameKeepTablesApart)
{
    const QString a = scoreLocationOfSet("/gone/a/My Set?", "/program", "/data");
    EXPECT_NE(a, scoreLocationOfSet("/gone/b/My Set?", "/program", "/data"));
    EXPECT_TRUE(a.startsWith("/data/set scores/My_Set_-")) << a.toStdString();
    EXPECT_EQ(a, scoreLocationOfSet("/gone/a/My Set?/", "/program", "/data")) << "the same folder";
}

// A music name from a level file names a file in audio/ and nothing else.
TEST(MusicPath, OnlyABareFileNameNamesAFileInTheAudioFolder)
{
    for (const char* bare : {"pond1.mid", "my song.mp3", ".hidden.mid", "..mid"})
        EXPECT_EQ(musicPath("/game", bare), QStringLiteral("/game/audio/") + bare);
    for (const char* other : {"", ".", "..", "../x.mid", "sub/x.mid", "..\\x.mid", "x.mid/", "/x.mid", "\\\\host\\x"})
        EXPECT_TRUE(musicPath("/game", other).isEmpty() && !isBareFileName(other)) << other;
}

// A folder "set" made as makeTree reads it: why it is no set, how many levels a game reaches, and
// the name Save Level proposes there.
TEST(LevelSet, AFolderPlaysFromLevel1ToTheFirstGapAndProposesTheFirstFreeName)
{
    const std::tuple<const char*, SetProblem, int, const char*> cases[] = {
        {"set/level1.txt set/level2.txt set/level3.txt", SetProblem::None, 3, "level4.txt"},
        {"set/level1.txt set/level2.txt set/level4.txt", SetProblem::None, 2, "level3.txt"},
        {"set/level2.txt set/level3.txt", SetProblem::NoFirstLevel, 0, "level1.txt"},
        {"set/", SetProblem::NoFirstLevel, 0, "level1.txt"},
        {"set/level1.txt~ set/level2.txt", SetProblem::NoFirstLevel, 0, "level3.txt"},
        {"set/level1.txt/", SetProblem::NoFirstLevel, 0, "level2.txt"},
        {"set/level1.txt set/level2.txt| set/level3.txt", SetProblem::None, 1, "level4.txt"},
        {"set", SetProblem::NoFolder, 0, "level1.txt"},
    };
    for (const auto& [made, problem, count, proposed] : cases) {
        QTemporaryDir root;
        makeTree(root.path(), made);
        const QString set = root.filePath("set");
        EXPECT_EQ(checkLevelSet(set), problem) << made;
        EXPECT_EQ(countSetLevels(set), count) << made;
        EXPECT_EQ(nextFreeLevelName(set), proposed) << made;
        EXPECT_EQ(levelSetProblemText(set, problem).isEmpty(), problem == SetProblem::None) << made;
    }
}

// The shipped set and My Levels go by their own names, any other set by its folder's.
TEST(LevelSet, EachSetHasTheNameThePlayerKnows)
{
    EXPECT_EQ(levelSetName("/opt/game/levels/", "/opt/game", "/home/me/data").english(), "Pondrake Levels");
    EXPECT_EQ(levelSetName("/home/me/data/My Levels", "/opt/game", "/home/me/data").english(), "My Levels");
    EXPECT_EQ(levelSetName("/home/me/castles/", "/opt/game", "/home/me/data").english(), "castles");
    EXPECT_EQ(levelSetName("/home/me/My Levels", "/opt/game", "").english(), "My Levels") << "by its folder's name";
}

// The kept game is written byte for byte as the table of malformed input reads it, and read back
// whole with its level's fingerprint. (What a changed or lost level does, the level sets' window shows.)
TEST(KeptGame, WrittenAsReadAndHeldToItsLevelFile)
{
    const QString golden = QStringLiteral(PONDRAKE_TEST_CASES "/malformed/kept/good.txt");
    const KeptGame game{
        "/sets/My Levels", {2, 53, 1, 0, false}, "5d5ced36fd3f004a7e8bcd83441a881c3be8680bc06fe602f9283fa25ac66942"};
    EXPECT_EQ(keptGameBytes(game), readFile(golden));
    EXPECT_EQ(readKeptGame(golden), game);

    QTemporaryDir dir;
    KeptGame odd{dir.filePath("a\nb=c%d"), {7, -3, 0, 9, true}, {}};
    const QString level = levelPathInSet(odd.setFolder, 7);
    ASSERT_TRUE(QDir().mkpath(odd.setFolder));
    writeFile(level, "x");
    odd.levelDigest = levelDigest(level);
    EXPECT_EQ(odd.levelDigest, QCryptographicHash::hash("x", QCryptographicHash::Sha256).toHex());
    ASSERT_TRUE(saveKeptGame(dir.filePath("kept/keptgame.txt"), odd)) << "its folder is made";
    EXPECT_EQ(readKeptGame(dir.filePath("kept/keptgame.txt")), odd);
    EXPECT_TRUE(levelDigest(odd.setFolder).isEmpty()) << "a folder has no fingerprint";
}
