#include "log/class/ClassOverview.h"

#include "log/LogFile.h"
#include "log/LogLock.h"
#include "log/LogRecord.h"
#include "log/NetworkFolder.h"
#include "log/Progress.h"
#include "core/ErrorCause.h"
#include "core/UserSettings.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <thread>

#include <sys/stat.h>

namespace {

const QString SettingsKey = QStringLiteral("Klassenuebersicht/Klassenordner");
const QString NoLog = QStringLiteral("Keine Protokolldatei vorhanden");

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
std::optional<QString> unreadableBecause(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return NoLog + QLatin1Char('.');
        return QStringLiteral("bm.log kann nicht gelesen werden: ") + FileErrorCause(errno);
    }
    if (S_ISLNK(status.st_mode))
        return NoLog + QStringLiteral(" (bm.log ist nur eine Verknüpfung).");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("bm.log ist ein Ordner, keine Protokolldatei.");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("bm.log ist keine gewöhnliche Datei.");
    return std::nullopt;
}

std::optional<QString> readProblem(const LogOutcome &outcome)
{
    switch (outcome.status) {
    case LogStatus::Done:
        return std::nullopt;
    case LogStatus::Missing:
        return NoLog + QLatin1Char('.');
    case LogStatus::NotRead:
        return QStringLiteral("bm.log wird nicht gelesen. ") + outcome.detail;
    case LogStatus::CutShort:
        return QStringLiteral("bm.log ") + outcome.detail + QLatin1Char('.');
    default:
        if (outcome.cause.isEmpty())
            return QStringLiteral("bm.log kann nicht gelesen werden.");
        return QStringLiteral("bm.log kann nicht gelesen werden: ") + outcome.cause;
    }
}

struct Tally
{
    int runs = 0;
    LogEntry newest;
};

// The runs of one log per exercise, and how many of its lines are no run.
struct LogTally
{
    QHash<QString, Tally> byExercise;
    int unreadable = 0;
};

// A record the log holds twice counts once; every line that is no run counts, as the viewer
// lists each of them.
LogTally tallyByExercise(const QStringList &records)
{
    const QDate today = QDate::currentDate();
    LogTally tally;
    QHash<QString, bool> isRun;
    isRun.reserve(records.size());
    for (const QString &record : records) {
        const auto seen = isRun.constFind(record);
        if (seen != isRun.constEnd()) {
            tally.unreadable += *seen ? 0 : 1;
            continue;
        }
        // The moments are only compared: as written is enough.
        std::optional<LogEntry> run = ParseLogRecord(record, Qt::UTC, today);
        isRun.insert(record, run.has_value());
        if (!run) {
            ++tally.unreadable;
            continue;
        }
        Tally &exercise = tally.byExercise[run->title];
        // The newest run is the last one appended: a date is whatever the writer's clock
        // said, and a run forged with tomorrow's date would otherwise stay newest for good.
        ++exercise.runs;
        exercise.newest = std::move(*run);
    }
    return tally;
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

// A child's runs per exercise, and why some or all of the log cannot be shown.
struct ChildLog
{
    QHash<QString, Tally> tallies;
    QString problem;
};

QString unreadableLines(int count)
{
    if (count == 1)
        return QStringLiteral("Das Protokoll enthält 1 nicht lesbaren Eintrag.");
    return QStringLiteral("Das Protokoll enthält %1 nicht lesbare Einträge.").arg(count);
}

ChildLog readChildLog(const QString &path, LockDeadline deadline)
{
    if (std::optional<QString> problem = unreadableBecause(path))
        return {{}, *problem};
    QStringList records;
    if (std::optional<QString> problem = readProblem(ReadLogFileAt(path, records, deadline)))
        return {{}, *problem};
    LogTally tally = tallyByExercise(records);
    ChildLog log{std::move(tally.byExercise), QString()};
    if (tally.unreadable > 0)
        log.problem = unreadableLines(tally.unreadable);
    else if (log.tallies.isEmpty())
        log.problem = QStringLiteral("Das Protokoll enthält keine Läufe.");
    return log;
}

// The server held the log past the overview's patience.
QString notAnswered()
{
    return QStringLiteral("bm.log konnte nicht rechtzeitig gelesen werden (der Server hat nicht innerhalb von %1 Sekunden geantwortet).")
        .arg(std::chrono::duration_cast<std::chrono::seconds>(ChildReadPatience).count());
}

// A child's log being read on a thread of its own. A read that a server holds cannot be
// called off: its thread ends whenever the server answers, and what it read is dropped.
struct PendingLog
{
    qsizetype child;
    std::future<ChildLog> log;
    std::chrono::steady_clock::time_point deadline;
};

// Reads the children's logs, several at once, each on a server within ChildReadPatience
// from the start of its reading; one that does not come is listed as not answered.
std::vector<ChildLog> readChildLogs(const QString &folder, const QStringList &children, const std::atomic_bool &stop)
{
    constexpr qsizetype AtOnce = 8;
    constexpr std::chrono::milliseconds Glance{20};
    // Logs that other processes keep locked are waited for once, not once per child.
    const LockDeadline lockDeadline = std::chrono::steady_clock::now() + ReadLockPatience;
    std::vector<ChildLog> logs(size_t(children.size()));
    std::deque<PendingLog> reading;
    qsizetype next = 0;
    while ((next < children.size() || !reading.empty()) && !stop) {
        while (reading.size() < size_t(AtOnce) && next < children.size()) {
            const QString path = ChildLogPath(folder, children.at(next));
            auto read = std::make_shared<std::packaged_task<ChildLog()>>([path, lockDeadline] { return readChildLog(path, lockDeadline); });
            const auto now = std::chrono::steady_clock::now();
            reading.push_back({next++, read->get_future(),
                               LiesOnNetwork(path) ? now + ChildReadPatience : std::chrono::steady_clock::time_point::max()});
            std::thread([read] { (*read)(); }).detach();
        }
        PendingLog &first = reading.front();
        if (first.log.wait_for(Glance) == std::future_status::ready)
            logs[size_t(first.child)] = first.log.get();
        else if (std::chrono::steady_clock::now() >= first.deadline)
            logs[size_t(first.child)] = {{}, notAnswered()};
        else
            continue;
        reading.pop_front();
    }
    return logs;
}

} // namespace

ClassOverview ReadClassOverview(const QString &folder, const std::atomic_bool &stop)
{
    ClassOverview overview;
    const QDir classFolder(folder);
    if (!classFolder.exists() || !classFolder.isReadable()) {
        overview.problems.append(
            QStringLiteral("Der Klassenordner %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(folder)));
        return overview;
    }
    QStringList children = classFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    // Most likely a child's own folder was picked, or the school's above the class.
    if (children.isEmpty()) {
        overview.problems.append(QStringLiteral("Der Klassenordner %1 enthält keine Ordner von Kindern.")
                                     .arg(QDir::toNativeSeparators(folder)));
    }
    SortByName(children);
    const std::vector<ChildLog> logs = readChildLogs(folder, children, stop);
    for (qsizetype i = 0; i < children.size() && !stop; ++i) {
        const ChildLog &log = logs[size_t(i)];
        overview.rows.append(summariesOf(children.at(i), log.tallies));
        if (!log.problem.isEmpty())
            overview.problems.append(children.at(i) + QStringLiteral(": ") + log.problem);
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
    return UserSettings().value(SettingsKey, QDir::homePath()).toString();
}

void RememberClassFolder(const QString &folder)
{
    UserSettings().setValue(SettingsKey, folder);
}
