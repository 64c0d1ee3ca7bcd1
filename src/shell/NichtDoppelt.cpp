#include "shell/NichtDoppelt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString defaultLockDirectory()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

} // namespace

QString LockFileName(const QString &executablePath)
{
    QString canonical = QFileInfo(executablePath).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(executablePath).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("brimbelo-%1.lock").arg(QString::fromLatin1(hash.left(32)));
}

SingleInstanceGuard::SingleInstanceGuard(const QString &executablePath, const QString &lockDirectory)
{
    const QString directory = lockDirectory.isEmpty() ? defaultLockDirectory() : lockDirectory;
    m_lockFilePath = QDir(directory).filePath(LockFileName(executablePath));
    m_fd = ::open(QFile::encodeName(m_lockFilePath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;   // no lock to be had: the program starts all the same
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_outcome = Outcome::Acquired;
        return;
    }
    m_outcome = errno == EWOULDBLOCK ? Outcome::AlreadyRunning : Outcome::Unavailable;
    ::close(m_fd);
    m_fd = -1;
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
