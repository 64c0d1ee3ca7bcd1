#pragma once
// Opening and locking the result log without ever following a link, with a limit on how
// long a lock that another process holds is waited for. What is read or written under the
// lock is left to the log file.

#include <QByteArray>

#include <chrono>

#include <sys/stat.h>

// Owns one open file and closes it when it goes out of scope.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    void reset(int fd = -1);
    // Closes now, so that a failing close can be reported.
    bool close();

private:
    int fd_ = -1;
};

// Opens path, never through a symbolic link, retrying when interrupted.
int OpenWithoutLink(const QByteArray &path, int flags, mode_t mode = 0);

using LockDeadline = std::chrono::steady_clock::time_point;

// How long the window may wait for a log that another copy holds while it reads, and how
// long a finished run waits to be written.
inline constexpr std::chrono::milliseconds ReadLockPatience{200};
inline constexpr std::chrono::milliseconds WriteLockPatience{2000};

// Locked: path names the open, locked plain file. Busy: another process held the lock
// until the deadline (the file is open all the same). NoLog: nothing under the name.
// NotAPlainFile: a folder, a link or a pipe stands under the log's name, or the log
// folder is a file. Failed: the log is there but cannot be opened (errno tells why).
enum class LockResult { Locked, Busy, NoLog, NotAPlainFile, Failed };

// Opens and locks (kind: LOCK_SH or LOCK_EX) the log at path, trying until deadline.
LockResult LockLog(const QByteArray &path, int kind, LockDeadline deadline, Descriptor &log, struct stat &status);
