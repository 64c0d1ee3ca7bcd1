#pragma once
// Keeps a second copy of the same executable file from running in the same account: an
// advisory lock on a file named after the account and the executable's canonical path.
// The lock dies with the process, so a crashed or killed copy never blocks the next start;
// a lock file of another account, or a link, is never used.

#include <QString>

#include <chrono>

class SingleInstanceGuard
{
public:
    enum class Outcome { Acquired, AlreadyRunning, Unavailable };

    // lockDirectory: where the lock file goes; empty means AccountLockFolder(). patience:
    // how long a copy that the running one started in its own place waits for it to end.
    explicit SingleInstanceGuard(const QString &executablePath, const QString &lockDirectory = QString(),
                                 std::chrono::milliseconds patience = std::chrono::milliseconds(0));
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    Outcome outcome() const { return m_outcome; }
    QString lockFilePath() const { return m_lockFilePath; }

private:
    int m_fd = -1;
    Outcome m_outcome = Outcome::Unavailable;
    QString m_lockFilePath;
};

// The lock file's name for an executable in this account: the same file gives the same
// name, different files or accounts give different names.
QString LockFileName(const QString &executablePath);
