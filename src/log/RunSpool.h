#pragma once
// Runs kept on this computer until their log takes them. A finished run is put here first
// and delivered from here, so that a log folder on a server that is slow or gone loses no
// run: what could not be delivered is tried again at the next run or start.

#include "log/LogFile.h"

#include <QList>
#include <QString>

#include <functional>

struct KeptRun
{
    QString logDirectory;   // where the run belongs, ending with "/"
    QString record;         // the unmasked record
    QString schoolFolder = {};  // set when logDirectory was found through the school's folder

    bool operator==(const KeptRun &) const = default;
};

// The account's own file of kept runs (in its data folder, never on the class's server).
QString KeptRunsPath();

// Keeps run until it is delivered; false when this computer cannot keep it (errno tells why).
bool KeepRun(const KeptRun &run);
QList<KeptRun> KeptRuns();

// Appends run to its log unless the log holds it already (also when its writing was
// reported failed); a run whose folder was found through the school's folder only while
// that folder is really there (else CannotOpen, and nothing is written).
LogOutcome AppendRun(const KeptRun &run);

// Appends a record to a log: AppendLogLineIn, or a stand-in for a server that fails.
using RecordAppender = std::function<LogOutcome(const QString &directory, const QString &fileName, const QString &record)>;

// Appends every kept run to its log, oldest first, and forgets each that arrived; a run
// whose writing was reported failed but which the log holds all the same arrived too. A
// log that does not take a run gets none of the later ones, so that its runs stay in their
// order; the other logs get theirs all the same. Returns what happened to the runs for
// directory: Done when all of them arrived, otherwise what their log said. Waits for the
// network: never on the window's thread.
LogOutcome DeliverKeptRuns(const QString &directory, const RecordAppender &append = AppendLogLineIn);
