// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ReportFile {

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes now, so that an error of the close itself can be seen.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

QString systemError(int error)
{
    return qt_error_string(error);
}

// Writes every byte, going on after interruptions and partial writes.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

// A name no other writer uses at the same moment; hidden, so a half-written
// file never looks like a report.
QByteArray temporaryName(int attempt)
{
    static std::atomic<int> counter{0};
    return QByteArray(".") + kName + '.' + QByteArray::number(::getpid()) + '.'
           + QByteArray::number(counter++) + '.' + QByteArray::number(attempt);
}

}  // namespace

QString save(const QString &directory, const QByteArray &bytes)
{
    const QByteArray folderPath = directory.isEmpty() ? QByteArray(".") : QFile::encodeName(directory);
    const Descriptor folder(::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return QStringLiteral("the folder cannot be opened (%1)").arg(systemError(errno));
    struct stat folderState {};
    if (::fstat(folder.get(), &folderState) == 0 && folderState.st_nlink == 0)
        return QStringLiteral("the folder it belongs in has been deleted");
    struct stat existing {};
    if (::fstatat(folder.get(), kName, &existing, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(existing.st_mode))
        return QStringLiteral("a folder of that name is in the way");

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName(attempt);
        fd = ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return systemError(errno);
    Descriptor file(fd);

    // The disk may refuse at the write, at the flush or at the close; each is a failure.
    int error = writeAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    if (error == 0 && file.close() != 0)
        error = errno;
    if (error == 0 && ::renameat(folder.get(), temporary.constData(), folder.get(), kName) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return systemError(error);
    }
    // The new name itself reaches the disk; some file systems cannot flush a folder.
    ::fsync(folder.get());
    return QString();
}

}  // namespace ReportFile
