#include "log/LogFile.h"

#include "log/basics/Cp1252.h"
#include "log/basics/ErrorCause.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char MaskByte = 0x0E;
constexpr mode_t WriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t PermissionBits = 07777;

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
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now, so that a failing close can be reported.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_ = -1;
};

QString lastSystemError()
{
    return FileErrorCause(errno);
}

LogOutcome ioError(const QString &what)
{
    return {LogStatus::IoError, what + QStringLiteral(": ") + lastSystemError()};
}

// Never through a symbolic link: in a folder that several accounts can write, a link
// named like the log could point at another user's file, which would then be appended
// to and made read-only.
int openFile(const QByteArray &path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC | O_NOFOLLOW, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Waits for the lock. A file system without locks leaves the file unlocked rather than
// losing the record.
void waitForLock(int fd, int kind)
{
    while (::flock(fd, kind) != 0 && errno == EINTR) {
    }
}

// NotAPlainFile: under the log's name stands a folder, a link or a pipe, or the log
// folder is a file; the program treats that as no log at all. Failed: the log is there
// but cannot be opened (errno tells why).
enum class LockResult { Locked, NoLog, NotAPlainFile, Failed };

// Opens and locks the log at path. The other copy of the program may move the log aside
// while this one waits for the lock, so the lock counts only if path still names the
// file that was locked. A pipe under the log's name would block a plain open.
LockResult lockLog(const QByteArray &path, int kind, Descriptor &log, struct stat &status)
{
    for (;;) {
        log.reset(openFile(path, O_RDONLY | O_NONBLOCK));
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
        waitForLock(log.get(), kind);
        if (::fstat(log.get(), &status) != 0)
            return LockResult::Failed;
        struct stat named;
        if (::stat(path.constData(), &named) == 0 && named.st_dev == status.st_dev && named.st_ino == status.st_ino)
            return LockResult::Locked;
    }
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

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The stored form of a record: masked Windows-1252 bytes and an unmasked CR LF. Control
// characters would unmask into line ends, so they are stored as spaces.
QByteArray storedLine(const QString &line)
{
    QString printable = line;
    for (QChar &c : printable) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return MaskLogText(EncodeCp1252(printable)) + QByteArrayLiteral("\r\n");
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

// Appends the record while the log is locked; a failed write is cut off again, so the
// log never keeps a torn record.
LogOutcome appendLocked(const QByteArray &path, int log, const QString &line, mode_t attributes)
{
    Descriptor out(openFile(path, O_WRONLY | O_APPEND));
    if (!out.isOpen())
        return {LogStatus::CannotOpen, lastSystemError()};
    struct stat before;
    if (::fstat(out.get(), &before) != 0)
        return ioError(QStringLiteral("Die Logdatei kann nicht geprüft werden"));
    const std::optional<bool> torn = endsInsideLine(log, before.st_size);
    if (!torn)
        return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
    const QByteArray stored = (*torn ? QByteArrayLiteral("\r\n") : QByteArray()) + storedLine(line);
    if (!writeAll(out.get(), stored) || ::fsync(out.get()) != 0) {
        LogOutcome failure = ioError(QStringLiteral("Die Logdatei kann nicht geschrieben werden"));
        // Cutting back may fail as well; the write failure is what the user has to hear.
        [[maybe_unused]] const int cut = ::ftruncate(out.get(), before.st_size);
        return failure;
    }
    if (!out.close())
        return ioError(QStringLiteral("Die Logdatei kann nicht geschlossen werden"));
    ::fchmod(log, attributes & PermissionBits & ~WriteBits);
    return {};
}

// The records of the stored log, unmasked and decoded. Lines end at CR LF, CR or LF as
// stored; a last line without line end counts.
QStringList storedRecords(const QByteArray &stored)
{
    const QByteArray plain = MaskLogText(stored);
    QStringList records;
    qsizetype start = 0;
    const qsizetype size = stored.size();
    const auto addRecord = [&](qsizetype end) {
        records.append(DecodeCp1252(QByteArray::fromRawData(plain.constData() + start, end - start)));
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char c = stored.at(i);
        if (c != '\r' && c != '\n')
            continue;
        addRecord(i);
        if (c == '\r' && i + 1 < size && stored.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        addRecord(size);
    return records;
}

std::optional<QByteArray> readAll(int fd, qsizetype expectedSize)
{
    QByteArray bytes;
    bytes.reserve(expectedSize);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

QString logPath(const QString &fileName)
{
    return logSettings().logDirectory + fileName;
}

} // namespace

QByteArray MaskLogText(const QByteArray &text)
{
    QByteArray masked = text;
    for (char &c : masked)
        c = char(c ^ MaskByte);
    return masked;
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
    }
    return QString();
}

LogOutcome AppendLogLine(const QString &fileName, const QString &line)
{
    // Without a configured directory the log would land wherever the program was started.
    if (logSettings().logDirectory.isEmpty())
        return {LogStatus::CannotOpen, QString()};
    const QByteArray path = QFile::encodeName(logPath(fileName));
    const QByteArray oldPath = QFile::encodeName(logPath(QStringLiteral("Old") + fileName));
    // Set once this call has moved an older log aside: the new log takes over its mode.
    std::optional<mode_t> replacedMode;
    for (;;) {
        Descriptor log;
        struct stat status;
        switch (lockLog(path, LOCK_EX, log, status)) {
        case LockResult::NotAPlainFile:
        case LockResult::Failed:
            return {LogStatus::CannotOpen, lastSystemError()};
        case LockResult::NoLog: {
            // Created empty and then appended to like any log, so that the other copy
            // of the program may just as well be the one that creates it.
            Descriptor created(openFile(path, O_WRONLY | O_CREAT | O_EXCL, 0666));
            if (!created.isOpen() && errno != EEXIST)
                return {LogStatus::CannotOpen, lastSystemError()};
            continue;
        }
        case LockResult::Locked:
            break;
        }

        const mode_t attributes = replacedMode.value_or(status.st_mode & PermissionBits);
        // A failure here shows up when the log is opened for writing.
        if ((status.st_mode & S_IWUSR) == 0)
            ::fchmod(log.get(), (status.st_mode & PermissionBits) | S_IWUSR);
        const std::optional<bool> older = isOlderForm(log.get());
        if (!older)
            return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
        if (!*older)
            return appendLocked(path, log.get(), line, attributes);
        if (!renameWithoutReplacing(path, oldPath)) {
            struct stat old;
            if (errno == EEXIST && ::lstat(oldPath.constData(), &old) == 0 && S_ISLNK(old.st_mode))
                return {LogStatus::CannotOpen, FileErrorCause(ELOOP)};
            return ioError(QStringLiteral("Die alte Logdatei kann nicht nach ")
                           + QFile::decodeName(oldPath) + QStringLiteral(" verschoben werden"));
        }
        replacedMode = attributes;
    }
}

LogOutcome ReadLogFile(const QString &fileName, QStringList &lines)
{
    if (logSettings().logDirectory.isEmpty())
        return {LogStatus::Missing, QString()};
    return ReadLogFileAt(logPath(fileName), lines);
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

LogOutcome ReadLogFileAt(const QString &path, QStringList &lines)
{
    Descriptor log;
    struct stat status;
    switch (lockLog(QFile::encodeName(path), LOCK_SH, log, status)) {
    case LockResult::NoLog:
    case LockResult::NotAPlainFile:
        return {LogStatus::Missing, QString()};
    case LockResult::Failed:
        return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
    case LockResult::Locked:
        break;
    }
    const std::optional<QByteArray> bytes = readAll(log.get(), qsizetype(status.st_size));
    if (!bytes)
        return ioError(QStringLiteral("Die Logdatei kann nicht gelesen werden"));
    lines.append(storedRecords(*bytes));
    return {};
}
