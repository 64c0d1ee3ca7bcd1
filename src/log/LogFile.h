#pragma once
// The result log: one masked record per finished run in "bm.log" of the log directory,
// read-only between writes. What a record holds is LogRecord's; telling the user about
// failures is left to the windows.

#include "log/LogOutcome.h"
#include "log/LogReader.h"
#include "log/LogRecord.h"
#include "log/LogSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

inline constexpr auto LogFileName = "bm.log";

// The stored form of a record: masked Windows-1252 bytes and an unmasked CR LF.
QByteArray StoredLogLine(const QString &line);

// The text the user is shown for an outcome; empty when there is nothing to tell.
QString LogOutcomeMessage(const LogOutcome &outcome);

// Appends one record to fileName in the configured log directory, moving a log of the
// older unmasked form aside to "Old" + fileName first (or "Oldbm-2.log", ... when that
// name is taken). Safe against another copy of the program appending to the same log at
// the same moment, also from another workstation over a network file system that passes
// no locks on; a log that another process keeps locked for 2 s is not written. A log
// that is a symbolic link is never written through.
LogOutcome AppendLogLine(const QString &fileName, const QString &line);
// The same for the log in directory (ending with "/"), wherever the configuration points now.
LogOutcome AppendLogLineIn(const QString &directory, const QString &fileName, const QString &line);

// Fills lines with the unmasked records of fileName in the log directory, in file order;
// lines stays as it is when the log is missing or cannot be read. A symbolic link, a
// folder or a pipe under the log's name counts as missing. Waits at most 200 ms for a
// lock that another process holds, then reads all the same; a log larger than any log
// can grow, or one that is mostly holes, is not read. A log that ends before its size, or
// fails part of the way, was cut short: lines stays as it is then, rather than showing
// some runs as if they were all.
LogOutcome ReadLogFile(const QString &fileName, QStringList &lines);

bool RunIsLogged(const RunResult &result, const LogSettings &settings);
// Appends the record of a finished run to "bm.log" when the configuration asks for it.
LogOutcome LogRun(const RunResult &result);

// As ReadLogFile, for the log at path wherever it lies (a child's log in a class folder).
LogOutcome ReadLogFileAt(const QString &path, QStringList &lines);
// The same, waiting for another process's lock only until deadline (one wait shared by
// the logs of a whole class).
LogOutcome ReadLogFileAt(const QString &path, QStringList &lines, std::chrono::steady_clock::time_point deadline);
// The same, handing each record to sink as it is read; they count only when the outcome
// is Done.
LogOutcome ReadLogFileAt(const QString &path, const RecordSink &sink, std::chrono::steady_clock::time_point deadline);
