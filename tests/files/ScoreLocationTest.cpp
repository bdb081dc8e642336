#include "files/ScoreLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class ScoreLocationTest : public ::testing::Test {
protected:
    QTemporaryDir program;
    QTemporaryDir player;

    QString location() const { return ScoreLocation(program.path(), player.path()); }
    QString besideProgram() const { return program.path() + QStringLiteral("/levels/scores.txt"); }
    QString inPlayerData() const { return player.path() + QStringLiteral("/levels/scores.txt"); }

    void touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
};

TEST_F(ScoreLocationTest, ACopyWhereItWasBuiltKeepsScoresBesideTheLevels)
{
    EXPECT_EQ(location(), besideProgram()) << "no levels folder yet: the save makes it";
    QDir(program.path()).mkpath("levels");
    EXPECT_EQ(location(), besideProgram()) << "a levels folder";
    touch(besideProgram());
    EXPECT_EQ(location(), besideProgram()) << "a score file";
}

TEST_F(ScoreLocationTest, AnInstalledCopyKeepsScoresInThePlayersDataFolder)
{
    QDir(program.path()).mkpath("levels");
    touch(besideProgram());  // even an old table beside the program is left alone
    touch(InstalledMarkPath(program.path()));
    EXPECT_EQ(location(), inPlayerData());
    // With no data folder at all there is no table, rather than one at the root of the disk.
    EXPECT_EQ(ScoreLocation(program.path(), QString()), QString());
}

TEST_F(ScoreLocationTest, AScoreFileThatCannotBeWrittenThereMovesToThePlayersDataFolder)
{
    // Shapes that not even the superuser can save a table into.
    touch(program.filePath("levels"));  // a file where the levels folder belongs
    EXPECT_EQ(location(), inPlayerData()) << "levels is a file";

    QFile::remove(program.filePath("levels"));
    QDir(program.path()).mkpath("levels/scores.txt");  // a folder where the file belongs
    EXPECT_EQ(location(), inPlayerData()) << "scores.txt is a folder";
}

TEST_F(ScoreLocationTest, AReadOnlyProgramFolderMovesScoresToThePlayersDataFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into any folder";
    QDir(program.path()).mkpath("levels");
    QFile::setPermissions(program.filePath("levels"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(location(), inPlayerData()) << "read-only levels folder";

    QFile::setPermissions(program.filePath("levels"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    touch(besideProgram());
    QFile::setPermissions(besideProgram(), QFile::ReadOwner);
    EXPECT_EQ(location(), inPlayerData()) << "read-only score file";
}

}  // namespace
