// Both writers killed at random moments: a child process saves in a loop, alternating two
// contents, until SIGKILL stops it. After every kill the file is one of the two, byte for byte.
// PONDRAKE_KILL_RUNS sets the number of kills per writer (100 by default; 1000 by hand).

#include "files/LevelFile.h"
#include "files/ScoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Writer {
    const char* what;
    std::function<bool(const QString& path, bool second)> save;  // writes the first or the second content
};

Board boardWith(TileCode code)
{
    Board board;
    ClearBoard(board);
    for (int col = 0; col < BoardSize; ++col)
        board(col, 7) = code;
    return board;
}

ScoreTable fullTable()
{
    ScoreTable table;
    for (int i = 0; i < ScoreEntries; ++i) {
        table.TopScores[i] = 1000 - i;
        table.TopNames[i] = "player " + QByteArray::number(i) + " \xE9";
    }
    return table;
}

const Writer Writers[] = {
    {"score file",
     [](const QString& path, bool second) {
         return SaveScore(path, fullTable(), second ? QStringLiteral("Lee") : QStringLiteral("Kim"), 995, TypedName);
     }},
    {"level file",
     [](const QString& path, bool second) {
         return SaveLevelFile(path, {QStringLiteral("pond1.mid"), QStringLiteral("100"), QStringLiteral("1500"),
                                     QStringLiteral("1000")},
                              boardWith(second ? Tile::Rock : Tile::Water));
     }},
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int killRuns()
{
    const char* runs = std::getenv("PONDRAKE_KILL_RUNS");
    return runs ? std::atoi(runs) : 100;
}

}  // namespace

TEST(WriterKill, AfterEveryKillTheFileIsTheOldOrTheNewOneWhole)
{
    std::mt19937 random(20261206);
    const int runs = killRuns();
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("levels/target.txt"));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("levels")));
        ASSERT_TRUE(writer.save(path, true));
        const QByteArray second = contents(path);
        ASSERT_TRUE(writer.save(path, false));
        const QByteArray first = contents(path);
        ASSERT_NE(first, second);

        int seenFirst = 0;
        int seenSecond = 0;
        for (int run = 0; run < runs; ++run) {
            int saved[2];
            ASSERT_EQ(pipe(saved), 0);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                // Saves until killed, telling the parent after each whole save.
                close(saved[0]);
                for (long i = 1;; ++i) {
                    if (!writer.save(path, i % 2 == 1) || write(saved[1], "s", 1) != 1)
                        _exit(1);
                }
            }
            close(saved[1]);
            char byte = 0;
            ASSERT_EQ(read(saved[0], &byte, 1), 1) << "the writer failed before its first save";
            usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));  // a save or a few
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            close(saved[0]);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself in run " << run;

            const QByteArray now = contents(path);
            ASSERT_TRUE(now == first || now == second) << "run " << run << ": " << now.size() << " bytes";
            (now == first ? seenFirst : seenSecond)++;
        }
        // Kills landed all over the loop.
        EXPECT_GT(seenFirst, runs / 10);
        EXPECT_GT(seenSecond, runs / 10);
        // A kill in the instant between giving the finished temporary file a name and renaming it
        // over the file leaves it beside the file: never half-written, and never read.
        const QDir folder(dir.filePath(QStringLiteral("levels")));
        const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            const QByteArray left = contents(folder.filePath(name));
            EXPECT_TRUE(left == first || left == second) << name.toStdString() << ": " << left.size() << " bytes";
        }
        std::printf("%s: %d kills, then %d times the one and %d times the other content, %lld temporary files left\n",
                    writer.what, runs, seenFirst, seenSecond, static_cast<long long>(names.size() - 1));
    }
}
