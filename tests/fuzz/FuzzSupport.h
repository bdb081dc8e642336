#pragma once

// What the fuzzers share: a scratch folder for the readers that take a path, and a check that
// reports a broken property as the crash libFuzzer looks for.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// In memory where the machine has /dev/shm: every run writes a file.
inline QString scratchFolder()
{
    static const QTemporaryDir dir(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/pondrake-fuzz-XXXXXX"));
    return dir.path();
}

// Writes the bytes to a file under the scratch folder (made with its folders) and returns its path.
inline QString putFile(const QString& relative, const std::uint8_t* data, std::size_t size)
{
    const QString path = scratchFolder() + QLatin1Char('/') + relative;
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
