#pragma once

// What the fuzzers share: a check that reports a broken property as the crash libFuzzer looks for,
// and a file for the readers that take a path.

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    ((condition)                                                                                                       \
         ? void()                                                                                                      \
         : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

// The bytes as the file of that name in a scratch folder, in memory where the machine has /dev/shm
// (every run writes one).
inline QString putFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir(QString(QFile::exists("/dev/shm") ? "/dev/shm" : "/tmp") + "/pondrake-fuzz-XXXXXX");
    QFile out(dir.filePath(name));
    FUZZ_CHECK(out.open(QIODevice::WriteOnly) && out.write(reinterpret_cast<const char*>(data), size) == qint64(size));
    return out.fileName();
}
