// Both writers on a disk that fails them: a full file system and a write error injected through
// the file size limit. A save that fails says so and leaves the old file byte for byte.

#include "files/LevelFile.h"
#include "files/ScoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

const QByteArray OldBytes = "the old file, which must survive\r\n";

struct Writer {
    const char* what;
    std::function<bool(const QString& path)> save;
};

const Writer Writers[] = {
    {"score file",
     [](const QString& path) { return SaveScore(path, ScoreTable(), QStringLiteral("Kim"), 50, TypedName); }},
    {"level file",
     [](const QString& path) {
         Board board;
         ClearBoard(board);
         return SaveLevelFile(path, {QStringLiteral("pond1.mid"), QStringLiteral("100"), QStringLiteral("1500"),
                                     QStringLiteral("1000")},
                              board);
     }},
};

std::string contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

void putOldFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(OldBytes), OldBytes.size());
}

// Each writer saves over an old file while `fault` holds; it must report the failure, and the
// folder must hold the old file as it was and nothing else of the writer's.
void expectFailedSavesKeepTheOldFile(const QString& folder, const std::function<void(bool on)>& fault)
{
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.what);
        const QString path = folder + QStringLiteral("/target.txt");
        putOldFile(path);
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        fault(true);
        const bool saved = writer.save(path);
        fault(false);
        EXPECT_FALSE(saved);
        EXPECT_EQ(contents(path), OldBytes.toStdString());
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
        // Once the disk works again, the same save goes through.
        EXPECT_TRUE(writer.save(path));
        EXPECT_NE(contents(path), OldBytes.toStdString());
        QFile::remove(path);
    }
}

}  // namespace

// A tmpfs of a few pages, mounted in a mount namespace of this process only, so nothing outside
// sees it and it vanishes with the process. Needs the right to mount (root); skipped elsewhere.
TEST(WriteFailure, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray where = QFile::encodeName(dir.path());
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("pondrake-test", where.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here (" << std::strerror(errno)
                     << "); the file size limit test injects the write error instead";

    // Filled to the last byte after the old file is in place.
    const QString filler = dir.filePath(QStringLiteral("filler"));
    auto fillDisk = [&](bool on) {
        if (!on) {
            QFile::remove(filler);
            return;
        }
        QFile file(filler);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (file.write(block) == block.size()) {
        }
    };
    expectFailedSavesKeepTheOldFile(dir.path(), fillDisk);
    umount2(where.constData(), MNT_DETACH);
}

// Past the file size limit a write fails with EFBIG, as it would with an error from the disk.
// Small files stay in the buffer until commit, which is where the error used to slip through.
TEST(WriteFailure, AWriteErrorFailsTheSaveAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // the error instead of the signal
    auto limitFileSize = [&](bool on) {
        rlimit limit = saved;
        if (on)
            limit.rlim_cur = 16;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    };
    expectFailedSavesKeepTheOldFile(dir.path(), limitFileSize);
    std::signal(SIGXFSZ, oldHandler);
}
