// How much memory reading the largest hostile files holds, measured, never asserted:
// ./bin/read_memory prints, for each case, the file's size and the peak memory the reading added.
#include "core/Level.h"
#include "core/PlaceLevel.h"
#include "core/Random.h"
#include "files/Base64.h"
#include "files/InkStrokes.h"
#include "files/LevelFile.h"
#include "files/ScoreFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// A line of /proc/self/status, in KiB.
long statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    return -1;
}

// The peak resident memory the work added above what was resident before it, in KiB. Each work
// runs in a process of its own, as the allocator keeps what an earlier one freed.
long peakAddedKiB(const std::function<void()>& work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly))
            reset.write("5");  // the high-water mark starts again from the resident size
        reset.close();
        const long before = statusKiB("VmRSS:");
        work();
        const long added = statusKiB("VmHWM:") - before;
        _exit(write(channel[1], &added, sizeof added) == sizeof added ? 0 : 1);
    }
    long added = -1;
    if (read(channel[0], &added, sizeof added) != sizeof added)
        added = -1;
    waitpid(child, nullptr, 0);
    close(channel[0]);
    close(channel[1]);
    return added;
}

void put(const QString& path, const QByteArray& bytes, qint64 growTo = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || (growTo && !file.resize(growTo)))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QByteArray repeated(const QByteArray& line, qint64 total)
{
    QByteArray bytes;
    while (bytes.size() + line.size() <= total)
        bytes += line;
    return bytes;
}

}  // namespace

int main()
{
    QTemporaryDir dir;
    const QString level = dir.filePath(QStringLiteral("level.txt"));
    const QString scores = dir.filePath(QStringLiteral("levels/scores.txt"));
    QDir(dir.path()).mkpath(QStringLiteral("levels"));

    auto readLevel = [&] {
        Level placed;
        GameRandom random(1);
        placeLevel(readLevelFile(level), placed, random);
    };
    auto readScores = [&] {
        ScoreTable table;
        loadScores(scores, table);
        readTopTen(scores);
    };

    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<void()> read;
        const QString* file;
    };
    const QByteArray inkLine = Base64::encode(QByteArray(90'000, 'x')).toLatin1();
    const Case cases[] = {
        {"level: 10 MB of one line", [&] { put(level, QByteArray(10'000'000, 'b')); }, readLevel, &level},
        {"level: 1 GB, sparse", [&] { put(level, "pond1.mid\r\n", 1'000'000'000); }, readLevel, &level},
        {"level: 24 lines of 43 KB", [&] { put(level, repeated(QByteArray(43'000, 't') + "\r\n", 24 * 43'002)); },
         readLevel, &level},
        {"level: 1 MiB music name", [&] { put(level, QByteArray((1 << 20) - 2, 'm') + "\r\n"); }, readLevel, &level},
        {"level: 1 MiB of line ends", [&] { put(level, QByteArray(1 << 20, '\r')); }, readLevel, &level},
        {"scores: 100 MB name line", [&] { put(scores, " 0 \r\n 5 \r\n", 100'000'000); }, readScores, &scores},
        {"scores: 4 MiB of typed names",
         [&] { put(scores, repeated(" 0 \r\n 5 \r\n" + QByteArray(400'000, 'k') + "\r\n", 4 << 20)); }, readScores,
         &scores},
        {"scores: 4 MiB of names in 4-byte characters",
         [&] { put(scores, repeated(" 0 \r\n 5 \r\n" + repeated("\xF0\x9F\x90\xA2", 400'000) + "\r\n", 4 << 20)); },
         readScores, &scores},
        {"scores: ten signatures too big to be ink",
         [&] { put(scores, repeated(" 1 \r\n 5 \r\n" + inkLine + "\r\n", 10 * (inkLine.size() + 12))); }, readScores,
         &scores},
        {"scores: 4 MiB of one Base64 line",
         [&] { put(scores, " 1 \r\n 5 \r\n" + QByteArray((4 << 20) - 12, 'A') + "\r\n"); }, readScores, &scores},
    };

    std::printf("%-46s %14s %12s %10s\n", "case", "file bytes", "peak added", "time");
    for (const Case& c : cases) {
        c.make();
        const auto start = std::chrono::steady_clock::now();
        const long kib = peakAddedKiB(c.read);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-46s %14lld %9.1f MiB %7.1f ms\n", c.what, static_cast<long long>(QFile(*c.file).size()),
                    kib / 1024.0, ms);
    }

    // The largest ink there can be, from bytes to strokes.
    InkStrokes full(QSize(InkStrokes::MaxSide, InkStrokes::MaxSide));
    for (int s = 0; s < InkStrokes::MaxStrokes; ++s) {
        full.beginStroke({1.0 * s, 1}, 0.5);
        for (int p = 1; p < InkStrokes::MaxPoints / InkStrokes::MaxStrokes; ++p)
            full.extendStroke({1.0 * s, 1.0 + p}, 0.5);
    }
    const QByteArray fullBytes = full.save();
    const long inkKiB = peakAddedKiB([&] {
        InkStrokes ink;
        ink.load(fullBytes);
    });
    std::printf("%-46s %14lld %9.1f MiB\n", "ink: the most strokes and points",
                static_cast<long long>(fullBytes.size()), inkKiB / 1024.0);
    return 0;
}
