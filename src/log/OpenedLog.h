#pragma once
// A log opened once for reading: what is decided by its size and line count and what is
// then read are the same open file, even if another file is put under its name between
// the two. The lines themselves are LogReader's.

#include "log/LogLock.h"
#include "log/LogOutcome.h"
#include "log/LogReader.h"
#include "log/LogRecords.h"

#include <QStringList>

#include <memory>
#include <optional>

struct OpenedLog
{
    Descriptor file;
    struct stat status = {};          // of the open file, after it was locked
    std::optional<LogOutcome> refused;   // why it is not read at all (missing, too large, …)
};

// Opens and locks the log at path for reading, as ReadLogFileAt does, waiting for another
// process's lock only until deadline.
std::unique_ptr<OpenedLog> OpenLogAt(const QString &path, LockDeadline deadline);

// Reads the opened log from its start (see ReadLogFileAt), appending to lines.
LogOutcome ReadOpenedLog(OpenedLog &log, QStringList &lines);
// The same into one block of records, for a long log (records are replaced).
LogOutcome ReadOpenedLog(OpenedLog &log, LogRecords &records);
// The same, handing each record to sink as it is read. The records count only when the
// outcome is Done: a log cut short has handed on part of itself.
LogOutcome ReadOpenedLog(OpenedLog &log, const RecordSink &sink);

// Whether the opened log has at most maxBytes and at most maxLines lines, so that it may
// be read while a window waits: a small file of empty lines costs as much as a large log.
bool OpenedLogIsSmall(const OpenedLog &log, qint64 maxBytes, qsizetype maxLines);
