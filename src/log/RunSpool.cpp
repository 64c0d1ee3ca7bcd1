#include "log/RunSpool.h"

#include "log/LogLock.h"
#include "log/LogSettings.h"
#include "core/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Delivery runs on a worker while the window keeps new runs: one file, one of them at a time.
QMutex keptRunsFile;

// One line per run: the log folder, a tab, the masked record, as a log would store it, and
// for a folder found through the school's folder a tab and that folder. A masked record
// holds no tab.
QByteArray storedRun(const KeptRun &run)
{
    QByteArray line = QFile::encodeName(run.logDirectory) + '\t' + MaskLogText(EncodeCp1252(run.record));
    if (!run.schoolFolder.isEmpty())
        line += '\t' + QFile::encodeName(run.schoolFolder);
    return line + '\n';
}

QList<KeptRun> readKeptRuns()
{
    QFile file(KeptRunsPath());
    QList<KeptRun> runs;
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2 && !fields.at(0).isEmpty())
            runs.append({QFile::decodeName(fields.at(0)), DecodeCp1252(MaskLogText(fields.at(1))),
                         fields.size() > 2 ? QFile::decodeName(fields.at(2)) : QString()});
    }
    return runs;
}

// Writes the runs still to deliver in place of the file, or removes it when none are left.
bool writeKeptRuns(const QList<KeptRun> &runs)
{
    if (runs.isEmpty())
        return QFile::remove(KeptRunsPath()) || !QFile::exists(KeptRunsPath());
    QSaveFile file(KeptRunsPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const KeptRun &run : runs)
        file.write(storedRun(run));
    return file.commit();
}

// Takes run off the file once its log holds it.
void forget(const KeptRun &run)
{
    QMutexLocker locked(&keptRunsFile);
    QList<KeptRun> runs = readKeptRuns();
    runs.removeOne(run);
    writeKeptRuns(runs);
}

// How far back the log is searched for a run that may have arrived already: far more
// records than workstations append while one waits for its server.
constexpr qint64 RecentBytes = 64 << 10;

// Whether the log already holds run among its recent records: a write reported as failed
// may have reached the server after all, and the run must not be logged twice.
bool alreadyLogged(const KeptRun &run)
{
    Descriptor log(OpenWithoutLink(QFile::encodeName(run.logDirectory + QLatin1String(LogFileName)),
                                   O_RDONLY | O_NONBLOCK));
    struct stat status;
    if (!log.isOpen() || ::fstat(log.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const qint64 from = std::max<qint64>(0, status.st_size - RecentBytes);
    QByteArray recent(status.st_size - from, Qt::Uninitialized);
    const ssize_t got = ::pread(log.get(), recent.data(), size_t(recent.size()), off_t(from));
    if (got <= 0)
        return false;
    recent.truncate(got);
    const QByteArray stored = StoredLogLine(run.record);
    // A whole line: at the start of the part read, or after a line end.
    for (qsizetype at = recent.indexOf(stored); at >= 0; at = recent.indexOf(stored, at + 1)) {
        if ((at == 0 && from == 0) || (at > 0 && (recent.at(at - 1) == '\n' || recent.at(at - 1) == '\r')))
            return true;
    }
    return false;
}

// An empty mount point the child can write would take the run where no teacher looks.
bool schoolFolderMissing(const KeptRun &run)
{
    return !run.schoolFolder.isEmpty() && !SchoolFolderHoldsLog(run.schoolFolder, run.logDirectory);
}

LogOutcome schoolFolderMissingOutcome()
{
    return {LogStatus::CannotOpen, QStringLiteral("der Ordner der Schule ist nicht erreichbar")};
}

// Appends run unless its log holds it already. A write reported as failed may have reached
// the server after all: read again, the log tells, and a run it holds has arrived.
LogOutcome appendOnce(const KeptRun &run, const RecordAppender &append)
{
    // The school's folder is asked first: a log on an empty mount point is not read.
    if (schoolFolderMissing(run))
        return schoolFolderMissingOutcome();
    if (alreadyLogged(run))
        return {};
    const LogOutcome outcome = append(run.logDirectory, QString::fromLatin1(LogFileName), run.record);
    if (outcome.status == LogStatus::IoError && alreadyLogged(run))
        return {};
    return outcome;
}

} // namespace

QString KeptRunsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/brimbelo/ausstehend.log");
}

bool KeepRun(const KeptRun &run)
{
    QMutexLocker locked(&keptRunsFile);
    if (!QDir().mkpath(QFileInfo(KeptRunsPath()).path()))
        return false;
    QFile file(KeptRunsPath());
    errno = 0;
    // The child's results, for no other account's eyes.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    const QByteArray line = storedRun(run);
    return file.write(line) == line.size() && file.flush();
}

QList<KeptRun> KeptRuns()
{
    QMutexLocker locked(&keptRunsFile);
    return readKeptRuns();
}

LogOutcome AppendRun(const KeptRun &run)
{
    return appendOnce(run, AppendLogLineIn);
}

LogOutcome DeliverKeptRuns(const QString &directory, const RecordAppender &append)
{
    LogOutcome watched;
    QSet<QString> refusing;
    // The file is not held while a log is written: that may take as long as the server.
    for (const KeptRun &run : KeptRuns()) {
        if (refusing.contains(run.logDirectory))
            continue;
        const LogOutcome outcome = appendOnce(run, append);
        if (outcome.status != LogStatus::Done) {
            refusing.insert(run.logDirectory);
            if (run.logDirectory == directory)
                watched = outcome;
            continue;
        }
        forget(run);
    }
    return watched;
}
