// Which files the game uses: the score tables', a level set's levels, the kept game's, and a
// level's music.

#include "files/KeptGame.h"
#include "files/LevelSet.h"
#include "files/MusicPath.h"
#include "files/ScoreLocation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// Made in the program folder: a path ending in "/" a folder, any other an empty file, "mark" the
// mark that installing leaves, "(read-only)" takes the right to write from what came before. Then
// whether the table is kept beside the program, or else in the player's data folder.
TEST(ScoreLocation, BesideTheProgramOnlyForACopyThatIsNotInstalledAndCanSaveThere)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true},  // the save makes the levels folder
        {"levels/", true},
        {"levels/ levels/scores.txt", true},
        {"levels/ levels/scores.txt mark", false},  // even an old table beside the program is left alone
        {"levels", false},
        {"levels/scores.txt/", false},
        {"levels/ (read-only)", false},
        {"levels/ levels/scores.txt (read-only)", false},
    };
    for (const auto& [made, besideProgram] : cases) {
        QTemporaryDir program, player;
        QString path;
        for (const QString& what : QString(made).split(u' ', Qt::SkipEmptyParts)) {
            if (what == u"(read-only)") {
                ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
                continue;
            }
            path = what == u"mark" ? InstalledMarkPath(program.path()) : program.filePath(what);
            ASSERT_TRUE(what.endsWith(u'/') ? QDir().mkpath(path) : QFile(path).open(QIODevice::WriteOnly));
        }
        if (geteuid() == 0 && QString(made).contains("read-only"))
            continue;  // the superuser may write anywhere
        const QString beside = program.path() + "/levels/scores.txt", inData = player.path() + "/levels/scores.txt";
        EXPECT_EQ(ScoreLocation(program.path(), player.path()), besideProgram ? beside : inData) << made;
        // Without a data folder, no table rather than one at the root of the disk.
        EXPECT_EQ(ScoreLocation(program.path(), QString()), besideProgram ? beside : QString()) << made;
    }
}

// A music name from a level file names a file in audio/ and nothing else.
TEST(MusicPath, OnlyABareFileNameNamesAFileInTheAudioFolder)
{
    for (const char* bare : {"pond1.mid", "my song.mp3", ".hidden.mid", "..mid"})
        EXPECT_EQ(MusicPath("/game", bare), QStringLiteral("/game/audio/") + bare);
    for (const char* other : {"", ".", "..", "../x.mid", "sub/x.mid", "..\\x.mid", "x.mid/", "/x.mid", "\\\\host\\x"})
        EXPECT_TRUE(MusicPath("/game", other).isEmpty() && !isBareFileName(other)) << other;
}

// A set's table, with the set's folder "set/" beside the program folder and made as above
// ("levels/" is the shipped set): where the table goes, "set" for its own folder, "data" for the
// player's data folder, "program" for the shipped set's rule.
TEST(ScoreLocation, AnotherSetKeepsItsTableInItsOwnFolderWhenItCanElseInThePlayersData)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"set/", "set", "set/scores.txt"},       {"set/ set/scores.txt", "set", "set/scores.txt"},
        {"set/ (read-only)", "set", "data"},     {"set/ set/scores.txt (read-only)", "set", "data"},
        {"set/ set/scores.txt/", "set", "data"}, {"", "set", "data"},                     // the folder has gone
        {"levels/", "levels", "program"},        {"levels/ mark", "levels/", "program"},  // however the path is written
    };
    for (const auto& [made, set, where] : cases) {
        QTemporaryDir root, player;
        QDir(root.path()).mkpath("program");
        QString path;
        for (const QString& what : QString(made).split(u' ', Qt::SkipEmptyParts)) {
            if (what == u"(read-only)") {
                ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
                continue;
            }
            path = what == u"mark"              ? InstalledMarkPath(root.filePath("program"))
                   : what.startsWith(u"levels") ? root.filePath("program/" + what)
                                                : root.filePath(what);
            ASSERT_TRUE(what.endsWith(u'/') ? QDir().mkpath(path) : QFile(path).open(QIODevice::WriteOnly));
        }
        if (geteuid() == 0 && QString(made).contains("read-only"))
            continue;  // the superuser may write anywhere
        const QString program = root.filePath("program");
        const QString setFolder = QString(set).startsWith("levels") ? program + "/" + set : root.filePath(set);
        const QString found = SetScoreLocation(setFolder, program, player.path());
        if (QString(where) == "program") {
            EXPECT_EQ(found, ScoreLocation(program, player.path())) << made;
            EXPECT_EQ(SetScoreLocation(setFolder, program, QString()), ScoreLocation(program, QString())) << made;
            continue;
        }
        if (QString(where) == "data")
            EXPECT_TRUE(found.startsWith(player.path() + "/set scores/set-") && found.endsWith(".txt")) << made;
        else
            EXPECT_EQ(found, root.filePath(where)) << made;
        EXPECT_EQ(SetScoreLocation(setFolder, program, QString()).isEmpty(), QString(where) == "data") << made;
    }
}

// Two sets of the same name in different places keep two tables in the data folder; the name stays
// one the file system takes.
TEST(ScoreLocation, SetsOfTheSameNameKeepTablesApart)
{
    const QString a = SetScoreLocation("/gone/a/My Set?", "/program", "/data");
    const QString b = SetScoreLocation("/gone/b/My Set?", "/program", "/data");
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith("/data/set scores/My_Set_-")) << a.toStdString();
    EXPECT_EQ(a, SetScoreLocation("/gone/a/My Set?/", "/program", "/data")) << "the same folder";
}

// A folder made of these entries ("N" a level file levelN.txt with a byte in it, "N:empty" an empty
// one, "N:folder" a folder of that name, "N:pipe" a pipe): why it is no set, how many levels a
// game reaches, and the name Save Level proposes there.
TEST(LevelSet, AFolderPlaysFromLevel1ToTheFirstGapAndProposesTheFirstFreeName)
{
    const std::tuple<const char*, SetProblem, int, const char*> cases[] = {
        {"1 2 3", SetProblem::None, 3, "level4.txt"},
        {"1 2 4", SetProblem::None, 2, "level3.txt"},
        {"2 3", SetProblem::NoFirstLevel, 0, "level1.txt"},
        {"", SetProblem::NoFirstLevel, 0, "level1.txt"},
        {"1:empty 2", SetProblem::NoFirstLevel, 0, "level3.txt"},
        {"1:folder", SetProblem::NoFirstLevel, 0, "level2.txt"},
        {"1 2:pipe 3", SetProblem::None, 1, "level4.txt"},
        {"(none)", SetProblem::NoFolder, 0, "level1.txt"},
        {"(file)", SetProblem::NoFolder, 0, "level1.txt"},
    };
    for (const auto& [made, problem, count, proposed] : cases) {
        QTemporaryDir root;
        const QString set = root.filePath("set");
        if (QString(made) == "(file)") {
            ASSERT_TRUE(QFile(set).open(QIODevice::WriteOnly));
        } else if (QString(made) != "(none)") {
            ASSERT_TRUE(QDir().mkpath(set));
        }
        for (const QString& entry : QString(made).split(u' ', Qt::SkipEmptyParts)) {
            if (entry.startsWith(u'('))
                continue;
            const QString path = SetLevelPath(set, Int16(entry.section(u':', 0, 0).toInt()));
            const QString kind = entry.section(u':', 1);
            if (kind == "folder") {
                ASSERT_TRUE(QDir().mkpath(path));
            } else if (kind == "pipe") {
                ASSERT_EQ(mkfifo(QFile::encodeName(path), 0600), 0);
            } else {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kind == "empty" ? "" : "x") >= 0);
            }
        }
        EXPECT_EQ(CheckLevelSet(set), problem) << made;
        EXPECT_EQ(CountSetLevels(set), count) << made;
        EXPECT_EQ(NextFreeLevelName(set), proposed) << made;
        EXPECT_EQ(SetProblemText(set, problem).isEmpty(), problem == SetProblem::None) << made;
    }
}

// The set of 500 levels, and names: the shipped set and My Levels by their own names, any other
// by its folder's.
TEST(LevelSet, ALargeSetCountsWholeAndEachSetHasTheNameThePlayerKnows)
{
    QTemporaryDir root;
    for (int n = 1; n <= 500; ++n)
        ASSERT_TRUE(QFile(SetLevelPath(root.path(), Int16(n))).open(QIODevice::WriteOnly | QIODevice::Text) &&
                    QFile(SetLevelPath(root.path(), Int16(n))).resize(1));
    EXPECT_EQ(CountSetLevels(root.path()), 500);
    EXPECT_EQ(NextFreeLevelName(root.path()), "level501.txt");
    EXPECT_EQ(SetName("/opt/game/levels/", "/opt/game", "/home/me/data").english(), "Pondrake Levels");
    EXPECT_EQ(SetName("/home/me/data/My Levels", "/opt/game", "/home/me/data").english(), "My Levels");
    EXPECT_EQ(SetName("/home/me/castles/", "/opt/game", "/home/me/data").english(), "castles");
    EXPECT_EQ(SetName("/home/me/My Levels", "/opt/game", "").english(), "My Levels") << "by its folder's name";
}

// The kept game is written byte for byte as the table of malformed input reads it, and read back
// whole; its level's fingerprint follows the level file's every byte.
TEST(KeptGame, WrittenAsReadAndHeldToItsLevelFile)
{
    const QString golden = QStringLiteral(PONDRAKE_TEST_CASES "/malformed/kept/good.txt");
    const KeptGame game{
        "/sets/My Levels", {2, 53, 1, 0, false}, "5d5ced36fd3f004a7e8bcd83441a881c3be8680bc06fe602f9283fa25ac66942"};
    QFile file(golden);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(KeptGameBytes(game), file.readAll());
    EXPECT_EQ(ReadKeptGame(golden), game);

    QTemporaryDir dir;
    KeptGame odd{dir.filePath("a\nb=c%d"), {7, -3, 0, 9, true}, {}};
    ASSERT_TRUE(QDir().mkpath(odd.setFolder));
    const QString level = SetLevelPath(odd.setFolder, 7);
    QFile write(level);
    ASSERT_TRUE(write.open(QIODevice::WriteOnly) && write.write("level") == 5);
    write.close();
    odd.levelDigest = LevelDigest(level);
    EXPECT_EQ(odd.levelDigest, QCryptographicHash::hash("level", QCryptographicHash::Sha256).toHex());
    ASSERT_TRUE(SaveKeptGame(dir.filePath("kept/keptgame.txt"), odd)) << "its folder is made";
    EXPECT_EQ(ReadKeptGame(dir.filePath("kept/keptgame.txt")), odd);
    EXPECT_EQ(KeptGameProblem(odd), std::nullopt);
    ASSERT_TRUE(write.open(QIODevice::Append) && write.write(" ") == 1);
    write.close();
    EXPECT_EQ(KeptGameProblem(odd)->english(), "Level 7 of the kept game has been changed since.");
    QFile::remove(level);
    EXPECT_EQ(KeptGameProblem(odd)->english(), "Level 7 of the kept game is not there any more.");
    EXPECT_TRUE(LevelDigest(odd.setFolder).isEmpty()) << "a folder has no fingerprint";
}
