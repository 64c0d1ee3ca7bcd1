#include "log/ClassOverview.h"

#include "log/LogFile.h"
#include "log/Progress.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <optional>

namespace {

const QString SettingsKey = QStringLiteral("Klassenuebersicht/Klassenordner");

// The locale's order without regard to case, and code order between names it takes as equal.
class NameOrder
{
public:
    NameOrder() { collator.setCaseSensitivity(Qt::CaseInsensitive); }
    bool operator()(const QString &a, const QString &b) const
    {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    }

private:
    QCollator collator;
};

// Why the log cannot be read as it stands, if so. A link is not followed: it could lead
// the overview to any file of the computer.
std::optional<QString> unreadableBecause(const QFileInfo &log)
{
    if (log.isSymLink())
        return QStringLiteral("Keine Protokolldatei vorhanden (bm.log ist nur eine Verknüpfung).");
    if (!log.exists())
        return QStringLiteral("Keine Protokolldatei vorhanden.");
    if (log.isDir())
        return QStringLiteral("bm.log ist ein Ordner, keine Protokolldatei.");
    if (!log.isFile())
        return QStringLiteral("bm.log ist keine gewöhnliche Datei.");
    return std::nullopt;
}

std::optional<QString> readProblem(const LogOutcome &outcome)
{
    switch (outcome.status) {
    case LogStatus::Done:
        return std::nullopt;
    case LogStatus::Missing:
        return QStringLiteral("Keine Protokolldatei vorhanden.");
    default:
        return QStringLiteral("bm.log kann nicht gelesen werden.");
    }
}

struct Tally
{
    int runs = 0;
    qint64 newestSeconds = 0;
    LogEntry newest;
};

// The well-formed records of one log per exercise; a record the log holds twice counts once.
QHash<QString, Tally> tallyByExercise(const QStringList &records)
{
    QHash<QString, Tally> tallies;
    QSet<QString> seen;
    seen.reserve(records.size());
    for (const QString &record : records) {
        const qsizetype before = seen.size();
        seen.insert(record);
        if (seen.size() == before)
            continue;
        std::optional<LogEntry> entry = ParseLogRecord(record);
        if (!entry)
            continue;
        Tally &tally = tallies[entry->title];
        const qint64 seconds = WallClockSeconds(entry->when);
        // The newest run is the latest moment, not the last line; of equal moments the later line.
        if (tally.runs++ == 0 || seconds >= tally.newestSeconds) {
            tally.newestSeconds = seconds;
            tally.newest = std::move(*entry);
        }
    }
    return tallies;
}

QList<ChildExerciseSummary> summariesOf(const QString &child, const QHash<QString, Tally> &tallies)
{
    QStringList exercises = tallies.keys();
    SortByName(exercises);
    QList<ChildExerciseSummary> summaries;
    for (const QString &exercise : exercises) {
        const Tally &tally = *tallies.constFind(exercise);
        summaries.append({child, exercise, tally.runs, tally.newest.when.date(), tally.newest.percent,
                          GradeForPercent(QStringLiteral("%1").arg(tally.newest.percent, 3))});
    }
    return summaries;
}

} // namespace

ClassOverview ReadClassOverview(const QString &folder)
{
    ClassOverview overview;
    const QDir classFolder(folder);
    if (!classFolder.exists() || !classFolder.isReadable()) {
        overview.problems.append(
            QStringLiteral("Der Klassenordner %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(folder)));
        return overview;
    }
    QStringList children = classFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortByName(children);
    for (const QString &child : children) {
        const QString path = ChildLogPath(folder, child);
        QStringList records;
        std::optional<QString> problem = unreadableBecause(QFileInfo(path));
        if (!problem)
            problem = readProblem(ReadLogFileAt(path, records));
        const QHash<QString, Tally> tallies = problem ? QHash<QString, Tally>() : tallyByExercise(records);
        if (!problem && tallies.isEmpty())
            problem = QStringLiteral("Das Protokoll enthält keine Läufe.");
        if (problem)
            overview.problems.append(child + QStringLiteral(": ") + *problem);
        else
            overview.rows.append(summariesOf(child, tallies));
    }
    return overview;
}

QString ChildLogPath(const QString &folder, const QString &child)
{
    return QDir(folder).filePath(child + QLatin1Char('/') + QLatin1String(LogFileName));
}

void SortByName(QStringList &names)
{
    std::sort(names.begin(), names.end(), NameOrder());
}

bool IsInsideFolder(const QString &path, const QString &folder)
{
    // Through links as well: the place on disk is what counts.
    const auto real = [](const QString &name) {
        const QFileInfo info(name);
        const QString canonical = info.canonicalFilePath();
        return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
    };
    const QFileInfo target(path);
    // A file that does not exist yet lies where its folder lies.
    const QString place = target.exists() ? real(path) : QDir(real(target.absolutePath())).filePath(target.fileName());
    const QString root = real(folder);
    return place == root || place.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

QString RememberedClassFolder()
{
    return QSettings(QStringLiteral("Brimbelo"), QStringLiteral("Brimbelo")).value(SettingsKey, QDir::homePath()).toString();
}

void RememberClassFolder(const QString &folder)
{
    QSettings(QStringLiteral("Brimbelo"), QStringLiteral("Brimbelo")).setValue(SettingsKey, folder);
}
