#pragma once
// Reading a stored log with bounded memory: the masked lines of an open log, unmasked and
// decoded one at a time, and the sizes of log that are not read at all (a child's folder
// may hold any file under the log's name). Opening and locking are left to the log file.

#include <QString>

#include <functional>
#include <optional>

#include <sys/stat.h>

// Larger than years of daily practice can make it.
inline constexpr qint64 LogSizeLimit = qint64(64) << 20;

// Why a stored log of this size is not read, as a German sentence with its size; nothing
// when it may be read.
std::optional<QString> LogSizeProblem(const struct stat &status);

enum class StoredRead { Done, Failed, TooManyLines };

// Takes each unmasked record as it is read; the text is valid only during the call, so a
// class's records need not all be held at once.
using RecordSink = std::function<void(const QString &record)>;

// Hands the records of the open log fd to sink, read from its current position to its end.
// Lines end at CR LF, CR or LF as stored; a last line without line end counts. Failed
// leaves errno telling why; what was handed on before a failure is not the whole log.
StoredRead ReadStoredRecords(int fd, const RecordSink &sink);

// The sentence for TooManyLines.
QString TooManyLinesProblem();
