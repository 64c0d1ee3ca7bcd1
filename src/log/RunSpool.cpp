#include "log/RunSpool.h"

#include "core/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>

namespace {

// Delivery runs on a worker while the window keeps new runs: one file, one of them at a time.
QMutex keptRunsFile;

// One line per run: the log folder, a tab, the masked record, as a log would store it.
QByteArray storedRun(const KeptRun &run)
{
    return QFile::encodeName(run.logDirectory) + '\t' + MaskLogText(EncodeCp1252(run.record)) + '\n';
}

QList<KeptRun> readKeptRuns()
{
    QFile file(KeptRunsPath());
    QList<KeptRun> runs;
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            runs.append({QFile::decodeName(line.left(tab)), DecodeCp1252(MaskLogText(line.mid(tab + 1)))});
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

LogOutcome DeliverKeptRuns(const QString &directory)
{
    LogOutcome watched;
    QSet<QString> refusing;
    // The file is not held while a log is written: that may take as long as the server.
    for (const KeptRun &run : KeptRuns()) {
        if (refusing.contains(run.logDirectory))
            continue;
        const LogOutcome outcome = AppendLogLineIn(run.logDirectory, QString::fromLatin1(LogFileName), run.record);
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
