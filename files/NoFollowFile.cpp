#include "files/NoFollowFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool closeChecked() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

bool entryExists(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

bool isOwnFolder(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool makeOwnFolder(const QString& path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0700);  // already there is as good, when it is a folder
    return isOwnFolder(path);
}

std::optional<QByteArray> readOwnFile(const QString& path, qint64 maxBytes)
{
    // Non-blocking, so that a pipe in the file's place does not wait for a writer.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, std::size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;  // a file that shrank while read is no whole file
        done += got;
    }
    return bytes;
}

bool writeOwnFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    const Descriptor folder(
        ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.get() < 0)
        return false;
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temporary =
        '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ".part";
    Descriptor file(
        ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.get() < 0)
        return false;
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.closeChecked();
    // renameat replaces a link at the name itself; it never writes where the link points.
    if (!written || ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return false;
    }
    ::fsync(folder.get());  // the new name on disk too; the file is whole either way
    return true;
}
