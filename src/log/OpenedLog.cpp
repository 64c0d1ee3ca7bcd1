#include "log/OpenedLog.h"

#include "log/LogReader.h"
#include "log/LogRecord.h"
#include "core/ErrorCause.h"

#include <QFile>

#include <cerrno>

#include <sys/file.h>
#include <unistd.h>

namespace {

LogOutcome unreadable()
{
    const QString cause = FileErrorCause(errno);
    return {LogStatus::IoError, QStringLiteral("Die Logdatei kann nicht gelesen werden: ") + cause, cause};
}

} // namespace

std::unique_ptr<OpenedLog> OpenLogAt(const QString &path, LockDeadline deadline)
{
    auto log = std::make_unique<OpenedLog>();
    // A log that another process keeps locked is read as it stands: appends are whole
    // records, and the window must not wait.
    switch (LockLog(QFile::encodeName(path), LOCK_SH, deadline, log->file, log->status)) {
    case LockResult::NoLog:
    case LockResult::NotAPlainFile:
        log->refused = LogOutcome{LogStatus::Missing, QString()};
        return log;
    case LockResult::Failed:
        log->refused = unreadable();
        return log;
    case LockResult::Busy:
    case LockResult::Locked:
        break;
    }
    if (const std::optional<QString> problem = LogSizeProblem(log->status))
        log->refused = LogOutcome{LogStatus::NotRead, *problem};
    return log;
}

LogOutcome ReadOpenedLog(OpenedLog &log, QStringList &lines)
{
    // Kept aside until the whole log is read, so that lines stays as it is otherwise.
    QStringList records;
    const LogOutcome outcome = ReadOpenedLog(log, [&](const QString &record) { records.append(record); });
    // A long log's list is handed over rather than copied: the window waits for it.
    if (outcome.status == LogStatus::Done && lines.isEmpty())
        lines = std::move(records);
    else if (outcome.status == LogStatus::Done)
        lines.append(records);
    return outcome;
}

LogOutcome ReadOpenedLog(OpenedLog &log, LogRecords &records)
{
    LogRecords read;
    // As many records as fit if all were runs; lines that are no run may need more room.
    if (!log.refused)
        read.reserve(log.status.st_size, log.status.st_size / (LogRecordPrefixLength + 2) + 1);
    const LogOutcome outcome = ReadOpenedLog(log, [&](const QString &record) { read.append(record); });
    records = outcome.status == LogStatus::Done ? std::move(read) : LogRecords();
    return outcome;
}

LogOutcome ReadOpenedLog(OpenedLog &log, const RecordSink &sink)
{
    if (log.refused)
        return *log.refused;
    if (::lseek(log.file.get(), 0, SEEK_SET) != 0)
        return unreadable();
    const StoredRead read = ReadStoredRecords(log.file.get(), sink);
    // Over a network file system a broken connection may end a read early without an error.
    const off_t readUpTo = ::lseek(log.file.get(), 0, SEEK_CUR);
    if ((read == StoredRead::Failed && readUpTo > 0) || (read == StoredRead::Done && readUpTo < log.status.st_size))
        return {LogStatus::CutShort, CutShortProblem()};
    switch (read) {
    case StoredRead::Failed:
        return unreadable();
    case StoredRead::TooManyLines:
        return {LogStatus::NotRead, TooManyLinesProblem()};
    case StoredRead::Done:
        break;
    }
    return {};
}

bool OpenedLogIsSmall(const OpenedLog &log, qint64 maxBytes, qsizetype maxLines)
{
    if (log.refused)
        return true;
    if (log.status.st_size > maxBytes)
        return false;
    // Counted in the file as it is now, which may have grown since it was opened.
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t part = ::pread(log.file.get(), bytes.data() + got, size_t(bytes.size() - got), got);
        if (part < 0 && errno == EINTR)
            continue;
        // A failing read is left to the worker, which tells why.
        if (part < 0)
            return false;
        if (part == 0)
            break;
        got += part;
    }
    if (got > maxBytes)
        return false;
    // Line ends as the reader takes them: CR LF, CR or LF.
    qsizetype lines = 0;
    for (qsizetype i = 0; i < got; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == got || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines <= maxLines;
}
