#include "log/LogFile.h"

#include "log/LogLock.h"
#include "log/NetworkFolder.h"
#include "log/OpenedLog.h"
#include "core/Cp1252.h"
#include "core/ErrorCause.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr mode_t WriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t PermissionBits = 07777;

QString lastSystemError()
{
    return FileErrorCause(errno);
}

LogOutcome ioError(const QString &what)
{
    const QString cause = lastSystemError();
    return {LogStatus::IoError, what + QStringLiteral(": ") + cause, cause};
}

// A log whose stored first line has "." in column 3 starts with a plain date: it was
// written before records were masked.
std::optional<bool> isOlderForm(int fd)
{
    char start[3];
    ssize_t got;
    do {
        got = ::pread(fd, start, sizeof start, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return std::nullopt;
    if (got < 3)
        return false;
    const bool lineEndsEarly = std::any_of(start, start + 2, [](char c) { return c == '\r' || c == '\n'; });
    return !lineEndsEarly && start[2] == '.';
}

// Refuses to replace an existing file, so that an earlier moved-aside log is never lost.
bool renameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems that cannot refuse by themselves.
    struct stat existing;
    if (::lstat(to.constData(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

// The name of the n-th log moved aside: "Oldbm.log", then "Oldbm-2.log", "Oldbm-3.log", ...
QString asideName(const QString &fileName, int n)
{
    if (n == 1)
        return QStringLiteral("Old") + fileName;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype end = dot > 0 ? dot : fileName.size();
    return QStringLiteral("Old") + fileName.left(end) + QLatin1Char('-') + QString::number(n) + fileName.mid(end);
}

// Moves the log at path aside to the first free name, so that no earlier moved-aside log
// is replaced and no later run is refused; a link under a name only takes that name.
bool moveAside(const QByteArray &path, const QString &directory, const QString &fileName)
{
    constexpr int Names = 1000;
    for (int n = 1; n <= Names; ++n) {
        if (renameWithoutReplacing(path, QFile::encodeName(directory + asideName(fileName, n))))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// How much of bytes was written; less than all when writing failed (errno tells why).
qsizetype writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return done;
        done += written;
    }
    return done;
}

// Whether the stored log ends inside a line (power cut, hand edit, truncated copy): the
// next record then needs a line end of its own first, or it would be glued to the torn
// line and lost to the viewer.
std::optional<bool> endsInsideLine(int fd, off_t size)
{
    if (size == 0)
        return false;
    char last;
    ssize_t got;
    do {
        got = ::pread(fd, &last, 1, size - 1);
    } while (got < 0 && errno == EINTR);
    if (got != 1)
        return std::nullopt;
    return last != '\r' && last != '\n';
}

// Whether a refused exclusive create met a log that another copy has just created. Over
// SFTP that refusal does not say "exists" but only "failed".
bool createdByAnother(const QByteArray &path)
{
    if (errno == EEXIST)
        return true;
    const int refusal = errno;
    struct stat status;
    if (::lstat(path.constData(), &status) == 0)
        return true;
    errno = refusal;
    return false;
}

// A folder that passes its group on (set-group-ID, as a class's folders do) is read by
// that group: the new log is readable by it whatever umask the session has. A mount over
// SSHFS applies the umask before the server's default access list could say so.
void letFolderGroupRead(int log, const QString &directory)
{
    struct stat folder, created;
    if (::stat(QFile::encodeName(directory).constData(), &folder) == 0 && (folder.st_mode & S_ISGID) != 0
        && ::fstat(log, &created) == 0 && (created.st_mode & S_IRGRP) == 0)
        ::fchmod(log, (created.st_mode & PermissionBits) | S_IRGRP);
}

// Opens the log for appending. It is read-only between runs, so it is made writable just
// for the open. Another workstation may make it read-only again in between: over some
// network file systems its lock does not reach this one. A refused open is then tried
// again until deadline. Read-write, since some network file systems refuse a write-only
// open of an existing file.
int openForAppend(const QByteArray &path, int log, mode_t mode, LockDeadline deadline)
{
    bool writable = (mode & S_IWUSR) != 0;
    for (;;) {
        // Not the log's owner, or a share that refuses: the open tells why.
        if (!writable && ::fchmod(log, (mode & PermissionBits) | S_IWUSR) != 0)
            return OpenWithoutLink(path, O_RDWR | O_APPEND);
        const int fd = OpenWithoutLink(path, O_RDWR | O_APPEND);
        if (fd >= 0 || errno != EACCES || std::chrono::steady_clock::now() >= deadline)
            return fd;
        writable = false;
        std::this_thread::sleep_for(std::chrono::milliseconds(QRandomGenerator::global()->bounded(1, 10)));
    }
}

// Cuts a record that was written only in part off again, but only when nothing but its
// beginning lies after the old end: without a lock that reaches every workstation, more
// would be another's records.
void cutOffPartialRecord(int fd, off_t oldEnd, qsizetype written)
{
    struct stat now;
    if (written > 0 && ::fstat(fd, &now) == 0 && now.st_size == oldEnd + written) {
        // Cutting back may fail as well; the write failure is what the user has to hear.
        [[maybe_unused]] const int cut = ::ftruncate(fd, oldEnd);
    }
}

// Appends the record while the log is locked where the file system passes locks on. The
// descriptor is made read-only again at once, so that an interrupted write leaves no
// writable log behind. One write of the whole record, at the end of the log, is what keeps
// the records of two workstations apart.
LogOutcome appendLocked(const QByteArray &path, int log, mode_t mode, const QString &line, mode_t attributes,
                        LockDeadline deadline)
{
    Descriptor out(openForAppend(path, log, mode, deadline));
    if (!out.isOpen())
        return {LogStatus::CannotOpen, lastSystemError()};
    ::fchmod(out.get(), attributes & PermissionBits & ~WriteBits);
    struct stat before;
    if (::fstat(out.get(), &before) != 0)
        return ioError(QStringLiteral("Die Logdatei kann nicht geprüft werden"));
    const std::optional<bool> torn = endsInsideLine(out.get(), before.st_size);
    if (!torn)
        return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
    const QByteArray stored = (*torn ? QByteArrayLiteral("\r\n") : QByteArray()) + StoredLogLine(line);
    const qsizetype written = writeAll(out.get(), stored);
    if (written < stored.size()) {
        LogOutcome failure = ioError(QStringLiteral("Die Logdatei kann nicht geschrieben werden"));
        cutOffPartialRecord(out.get(), before.st_size, written);
        return failure;
    }
    // The whole record went out: a server may have it although it did not confirm it.
    if (::fsync(out.get()) != 0)
        return ioError(QStringLiteral("Ob die Logdatei das Ergebnis erhalten hat, ist nicht sicher"));
    if (!out.close())
        return ioError(QStringLiteral("Die Logdatei kann nicht geschlossen werden"));
    return {};
}

// Appends line to fileName in directory (see AppendLogLine).
LogOutcome appendTo(const QString &directory, const QString &fileName, const QString &line)
{
    // Without a directory the log would land wherever the program was started.
    if (directory.isEmpty())
        return {LogStatus::CannotOpen, QString()};
    const QByteArray path = QFile::encodeName(directory + fileName);
    const LockDeadline deadline = std::chrono::steady_clock::now() + WriteLockPatience;
    // Set once this call has moved an older log aside: the new log takes over its mode.
    std::optional<mode_t> replacedMode;
    for (;;) {
        Descriptor log;
        struct stat status;
        switch (LockLog(path, LOCK_EX, deadline, log, status)) {
        case LockResult::NotAPlainFile:
        case LockResult::Failed:
            return {LogStatus::CannotOpen, lastSystemError()};
        case LockResult::Busy:
            return {LogStatus::CannotOpen, QStringLiteral("die Datei ist gesperrt")};
        case LockResult::NoLog: {
            // Created empty and then appended to like any log, so that the other copy
            // of the program may just as well be the one that creates it.
            Descriptor created(OpenWithoutLink(path, O_WRONLY | O_CREAT | O_EXCL, 0666));
            if (!created.isOpen() && !createdByAnother(path))
                return {LogStatus::CannotOpen, lastSystemError()};
            if (created.isOpen())
                letFolderGroupRead(created.get(), directory);
            continue;
        }
        case LockResult::Locked:
            break;
        }

        const mode_t attributes = replacedMode.value_or(status.st_mode & PermissionBits);
        const std::optional<bool> older = isOlderForm(log.get());
        if (!older)
            return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
        if (!*older)
            return appendLocked(path, log.get(), status.st_mode, line, attributes, deadline);
        // The moved-aside log keeps the writable mode it was opened with, as it always has.
        ::fchmod(log.get(), (status.st_mode & PermissionBits) | S_IWUSR);
        if (!moveAside(path, directory, fileName))
            return ioError(QStringLiteral("Die alte Logdatei kann nicht nach ")
                           + directory + asideName(fileName, 1)
                           + QStringLiteral(" verschoben werden"));
        replacedMode = attributes;
    }
}

// Whether a refusal on a server's share can only be the share's own: the folder and the
// log, where there is one, are ours and writable by their modes. An SFTP server that takes
// nothing refuses every write so, while its mount looks writable.
bool refusedByReadOnlyShare(const QString &directory, const QString &fileName)
{
    if (!LiesOnNetwork(directory))
        return false;
    const auto oursAndWritable = [](const QString &path, bool mayBeMissing) {
        struct stat status;
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return mayBeMissing && errno == ENOENT;
        return status.st_uid == ::geteuid() && (S_ISDIR(status.st_mode) ? (status.st_mode & S_IWUSR) != 0 : true);
    };
    return oursAndWritable(directory, false) && oursAndWritable(directory + fileName, true);
}

// Over a network file system a refused write may mean that the server is gone or takes
// nothing at all, which the refusal itself does not say: the log's folder tells.
LogOutcome withServerCause(LogOutcome outcome, const QString &directory, const QString &fileName)
{
    const QString &said = outcome.status == LogStatus::CannotOpen ? outcome.detail : outcome.cause;
    if ((outcome.status != LogStatus::CannotOpen && outcome.status != LogStatus::IoError)
        || (said != FileErrorCause(EACCES) && said != FileErrorCause(EIO)))
        return outcome;
    struct statvfs folder;
    QString cause;
    if (::statvfs(QFile::encodeName(directory).constData(), &folder) != 0) {
        if (errno != ENOENT && errno != ENOTDIR && errno != EACCES)
            cause = FileErrorCause(errno);
    } else if ((folder.f_flag & ST_RDONLY) != 0
               || (said == FileErrorCause(EACCES) && refusedByReadOnlyShare(directory, fileName))) {
        cause = FileErrorCause(EROFS);
    }
    if (cause.isEmpty())
        return outcome;
    if (outcome.status == LogStatus::CannotOpen)
        return {outcome.status, cause};
    outcome.detail.replace(outcome.cause, cause);
    outcome.cause = cause;
    return outcome;
}

} // namespace

// Control characters would unmask into line ends, so they are stored as spaces.
QByteArray StoredLogLine(const QString &line)
{
    QString printable = line;
    for (QChar &c : printable) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return MaskLogText(EncodeCp1252(printable)) + QByteArrayLiteral("\r\n");
}

QString LogOutcomeMessage(const LogOutcome &outcome)
{
    switch (outcome.status) {
    case LogStatus::Done:
    case LogStatus::NotLogged:
        return QString();
    case LogStatus::CannotOpen:
        if (outcome.detail.isEmpty())
            return QStringLiteral("Fehler beim Schreiben der Logdatei!");
        return QStringLiteral("Fehler beim Schreiben der Logdatei!\nUrsache: ") + outcome.detail;
    case LogStatus::Missing:
        return QStringLiteral("Keine Protokolldatei vorhanden!");
    case LogStatus::IoError:
        return QStringLiteral("Ein-/Ausgabefehler bei der Logdatei:\n") + outcome.detail;
    case LogStatus::NotRead:
        return QStringLiteral("Die Protokolldatei wird nicht gelesen.\n") + outcome.detail;
    case LogStatus::CutShort:
        return QStringLiteral("Die Protokolldatei ") + CutShortProblem() + QLatin1Char('.');
    }
    return QString();
}

LogOutcome AppendLogLine(const QString &fileName, const QString &line)
{
    return AppendLogLineIn(logSettings().logDirectory, fileName, line);
}

LogOutcome AppendLogLineIn(const QString &directory, const QString &fileName, const QString &line)
{
    return withServerCause(appendTo(directory, fileName, line), directory, fileName);
}

LogOutcome ReadLogFile(const QString &fileName, QStringList &lines)
{
    if (logSettings().logDirectory.isEmpty())
        return {LogStatus::Missing, QString()};
    return ReadLogFileAt(logSettings().logDirectory + fileName, lines);
}

bool RunIsLogged(const RunResult &result, const LogSettings &settings)
{
    return settings.logEnabled && result.answeredTasks() > 0 && result.answeredTasks() >= settings.minimumLog;
}

LogOutcome LogRun(const RunResult &result)
{
    if (!RunIsLogged(result, logSettings()))
        return {LogStatus::NotLogged, QString()};
    return AppendLogLine(QString::fromLatin1(LogFileName), LogRecordFor(result));
}

LogOutcome ReadLogFileAt(const QString &path, QStringList &lines, LockDeadline deadline)
{
    return ReadOpenedLog(*OpenLogAt(path, deadline), lines);
}

LogOutcome ReadLogFileAt(const QString &path, const RecordSink &sink, LockDeadline deadline)
{
    return ReadOpenedLog(*OpenLogAt(path, deadline), sink);
}

LogOutcome ReadLogFileAt(const QString &path, QStringList &lines)
{
    return ReadLogFileAt(path, lines, std::chrono::steady_clock::now() + ReadLockPatience);
}
