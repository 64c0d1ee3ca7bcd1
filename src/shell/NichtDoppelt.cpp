#include "shell/NichtDoppelt.h"

#include "shell/LockPlace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock file that another account made (and may hold for ever), or a second name of
// one, would let that account stop this one's program.
bool isOwnLockFile(int fd)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
        && status.st_nlink == 1;
}

// Takes the lock, waiting for its holder to end for at most `patience`.
bool lockWithin(int fd, std::chrono::milliseconds patience)
{
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= until)
            return false;
        QThread::msleep(50);
    }
}

} // namespace

QString LockFileName(const QString &executablePath)
{
    QString canonical = QFileInfo(executablePath).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(executablePath).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("brimbelo-%1-%2.lock").arg(::geteuid()).arg(QString::fromLatin1(hash.left(32)));
}

SingleInstanceGuard::SingleInstanceGuard(const QString &executablePath, const QString &lockDirectory,
                                         std::chrono::milliseconds patience)
{
    const QString directory = lockDirectory.isEmpty() ? AccountLockFolder() : lockDirectory;
    if (directory.isEmpty())
        return;   // no lock to be had: the program starts all the same
    m_lockFilePath = QDir(directory).filePath(LockFileName(executablePath));
    m_fd = ::open(QFile::encodeName(m_lockFilePath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0)
        return;
    if (!isOwnLockFile(m_fd))
        m_outcome = Outcome::Unavailable;
    else if (lockWithin(m_fd, patience))
        m_outcome = Outcome::Acquired;
    else
        m_outcome = errno == EWOULDBLOCK ? Outcome::AlreadyRunning : Outcome::Unavailable;
    if (m_outcome == Outcome::Acquired)
        return;
    ::close(m_fd);
    m_fd = -1;
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
