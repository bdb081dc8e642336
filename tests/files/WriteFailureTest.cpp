// The writers on a disk that fails them: the file is the old one, whole.

#include "files/KeptGame.h"
#include "files/LevelFile.h"
#include "files/NoFollowFile.h"
#include "files/ScoreFile.h"
#include "tests/support/BoardText.h"
#include "tests/support/FileTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

// Each writer, saving the first or the second of two contents.
bool (*const Writers[])(const QString& path, bool second) = {
    [](const auto& path, bool second) { return saveScore(path, ScoreTable(), second ? "Lee" : "Kim", 1, TypedName); },
    [](const auto& path, bool second) {
        return saveLevelFile(path, {"pond1.mid", "100", "1500", "1000"}, boardFromRows({second ? "r" : "$"}));
    },
    [](const auto& path, bool second) {
        return saveKeptGame(path, {"/sets/mine", {Int16(second ? 2 : 1), 10, 1, 0, false}, QByteArray(64, 'a')});
    },
    [](const auto& path, bool second) { return writeOwnFile(path, QByteArray(second ? 64 : 1, 'a')); },
};

}  // namespace

// Past the file size limit a write fails (EFBIG) as on a full disk; the error used to slip through
// while the bytes waited in a buffer until commit. The save says it failed and the folder holds the
// old file as it was, nothing else. (Each writer goes through one atomic replace of the file, so
// that a kill mid-save leaves the old file or the new one: the atomicity itself is QSaveFile's, or
// the rename's for the outbox's own writer.)
TEST(WriteFailure, AFailedSaveLeavesTheOldFileWholeAndNothingBesideIt)
{
    rlimit normal{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
    const rlimit full{16, normal.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // the error instead of the signal, in this test's process
    for (const auto save : Writers) {
        QTemporaryDir dir;
        const QString path = dir.filePath("target.txt");
        ASSERT_TRUE(save(path, false));
        const QByteArray first = readFile(path);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool saved = save(path, true);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &normal), 0);
        EXPECT_FALSE(saved);
        EXPECT_EQ(readFile(path), first);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"target.txt"});
    }
}
