// Which files the game uses: the score table's, and a level's music.

#include "files/MusicPath.h"
#include "files/ScoreLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
