#include "log/LogLock.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RetryPause{5};

// Tries the lock until deadline. A file system without locks leaves the file unlocked
// rather than losing the record.
bool lockUntil(int fd, int kind, LockDeadline deadline)
{
    for (;;) {
        if (::flock(fd, kind | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(RetryPause);
    }
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void Descriptor::reset(int fd)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

bool Descriptor::close()
{
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

// In a folder that several accounts can write, a link named like the log could point at
// another user's file, which would then be appended to and made read-only.
int OpenWithoutLink(const QByteArray &path, int flags, mode_t mode)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC | O_NOFOLLOW, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The other copy of the program may move the log aside while this one waits for the
// lock, so the lock counts only if path still names the file that was locked. A pipe
// under the log's name would block a plain open.
LockResult LockLog(const QByteArray &path, int kind, LockDeadline deadline, Descriptor &log, struct stat &status)
{
    for (;;) {
        log.reset(OpenWithoutLink(path, O_RDONLY | O_NONBLOCK));
        if (!log.isOpen()) {
            if (errno == ENOENT)
                return LockResult::NoLog;
            return errno == ELOOP || errno == ENOTDIR ? LockResult::NotAPlainFile : LockResult::Failed;
        }
        if (::fstat(log.get(), &status) != 0)
            return LockResult::Failed;
        if (!S_ISREG(status.st_mode)) {
            // ENODEV stands for "no plain file" in the causes the user is shown.
            errno = S_ISDIR(status.st_mode) ? EISDIR : ENODEV;
            return LockResult::NotAPlainFile;
        }
        const bool locked = lockUntil(log.get(), kind, deadline);
        if (::fstat(log.get(), &status) != 0)
            return LockResult::Failed;
        if (!locked)
            return LockResult::Busy;
        struct stat named;
        if (::stat(path.constData(), &named) == 0 && sameFile(named, status))
            return LockResult::Locked;
    }
}
