// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFile.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>

#include <dirent.h>
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

// When this process started, on the clock that file times come from: a
// temporary file of this process id from before then was an earlier process's.
const timespec kProcessStart = [] {
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}();

constexpr int kTemporaryNames = 100;

QByteArray temporaryPrefix()
{
    return QByteArray(".") + kName + '.';
}

// A name no other writer uses at the same moment; hidden, so a half-written
// file never looks like a report.
QByteArray temporaryName(pid_t writer, int attempt)
{
    return temporaryPrefix() + QByteArray::number(writer) + '.' + QByteArray::number(attempt);
}

// The process that named a temporary file ".VexlorOut.txt.PID.N" (or, written
// by earlier versions, ".VexlorOut.txt.PID.N.N"); 0 for any other name.
pid_t writerOf(const QByteArray &name)
{
    if (!name.startsWith(temporaryPrefix()))
        return 0;
    const QList<QByteArray> numbers = name.mid(temporaryPrefix().size()).split('.');
    if (numbers.size() < 2 || numbers.size() > 3)
        return 0;
    for (const QByteArray &number : numbers) {
        if (number.isEmpty() || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return 0;
    }
    bool ok = false;
    const int writer = numbers.first().toInt(&ok);
    return ok ? writer : 0;
}

bool isRunning(pid_t process)
{
    return ::kill(process, 0) == 0 || errno == EPERM;
}

bool isBefore(const timespec &a, const timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// Removes the temporary files of report writes killed mid-way: those of
// processes no longer running, and those of an earlier process with this one's
// id (a sandbox may hand out the same id every time). Anything else is kept.
void removeStaleTemporaries(int folder)
{
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR *entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    ::rewinddir(entries);
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        const pid_t writer = writerOf(name);
        struct stat state {};
        if (writer <= 0 || ::fstatat(folder, name.constData(), &state, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(state.st_mode))
            continue;
        const bool stale = writer == ::getpid() ? isBefore(state.st_mtim, kProcessStart) : !isRunning(writer);
        if (stale)
            ::unlinkat(folder, name.constData(), 0);
    }
    ::closedir(entries);
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

    removeStaleTemporaries(folder.get());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kTemporaryNames; ++attempt) {
        temporary = temporaryName(::getpid(), attempt);
        fd = ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0 && errno == EEXIST)
        return QStringLiteral("every name for its temporary file (%1 to %2) is taken; remove those hidden files "
                              "if no Vexlor is running")
            .arg(QString::fromLocal8Bit(temporaryName(::getpid(), 0)),
                 QString::fromLocal8Bit(temporaryName(::getpid(), kTemporaryNames - 1)));
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
