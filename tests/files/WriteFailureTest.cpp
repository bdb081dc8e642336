// Both writers on a disk that fails them and killed at random moments: the file is always the old
// one or the new one, whole.

#include "files/KeptGame.h"
#include "files/LevelFile.h"
#include "files/ScoreFile.h"
#include "tests/support/BoardText.h"
#include "tests/support/FileTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Each writer, saving the first or the second of two contents.
bool (*const Writers[])(const QString& path, bool second) = {
    [](const auto& path, bool second) { return SaveScore(path, ScoreTable(), second ? "Lee" : "Kim", 1, TypedName); },
    [](const auto& path, bool second) {
        return SaveLevelFile(path, {"pond1.mid", "100", "1500", "1000"}, boardFromRows({second ? "r" : "$"}));
    },
    [](const auto& path, bool second) {
        return SaveKeptGame(path, {"/sets/mine", {Int16(second ? 2 : 1), 10, 1, 0, false}, QByteArray(64, 'a')});
    },
};

}  // namespace

// For each writer, first a write that fails: past the file size limit it fails (EFBIG) as on a
// full disk; the error used to slip through while the bytes waited in a buffer until commit. The
// save says it failed and the folder holds the old file as it was, nothing else.
// Then kills: a child saves the two contents in turn, telling after each, until SIGKILL stops it;
// PONDRAKE_KILL_RUNS times a writer (100 unless set). A kill between naming the finished temporary
// file and renaming it over the file may leave it beside the file: whole too, and never read.
TEST(WriterKill, AFailedOrKilledSaveLeavesTheOldOrTheNewFileWhole)
{
    rlimit normal{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
    const rlimit full{16, normal.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // the error instead of the signal, in this test's process
    std::mt19937 random(20261206);
    const int asked = qEnvironmentVariableIntValue("PONDRAKE_KILL_RUNS");
    const int runs = asked > 0 ? asked : 100;
    for (const auto save : Writers) {
        QTemporaryDir dir;
        const QString path = dir.filePath("target.txt");
        ASSERT_TRUE(save(path, true));
        const QByteArray second = readFile(path);
        ASSERT_TRUE(save(path, false));
        const QByteArray first = readFile(path);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool saved = save(path, true);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &normal), 0);
        EXPECT_FALSE(saved);
        EXPECT_EQ(readFile(path), first);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"target.txt"});

        int seen[2] = {0, 0};
        for (int run = 0; run < runs; ++run) {
            int pipeEnds[2];
            ASSERT_EQ(pipe(pipeEnds), 0);
            const pid_t child = fork();
            if (child == 0) {
                for (long i = 0; save(path, i % 2 == 0) && write(pipeEnds[1], "s", 1) == 1; ++i) {
                }
                _exit(1);
            }
            close(pipeEnds[1]);
            char byte = 0;  // one to four whole saves, then into the middle of one on a slow disk too
            for (int whole = std::uniform_int_distribution(1, 4)(random); whole > 0; --whole)
                ASSERT_EQ(read(pipeEnds[0], &byte, 1), 1) << "the writer failed in run " << run;
            usleep(std::uniform_int_distribution<useconds_t>(0, 2000)(random));
            kill(child, SIGKILL);
            int status = 0;
            ASSERT_TRUE(waitpid(child, &status, 0) == child && WIFSIGNALED(status)) << "run " << run;
            close(pipeEnds[0]);  // only now: writing into a closed pipe would end the child between saves
            const QByteArray now = readFile(path);
            ASSERT_TRUE(now == first || now == second) << "run " << run << ": " << now.size() << " bytes";
            ++seen[now == second];
        }
        EXPECT_TRUE(seen[0] > runs / 10 && seen[1] > runs / 10);  // kills landed all over the loop
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            EXPECT_TRUE(readFile(dir.filePath(name)) == first || readFile(dir.filePath(name)) == second);
    }
}
