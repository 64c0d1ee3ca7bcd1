#include "log/class/ClassMistakes.h"

#include "kinds/ErrorPatterns.h"
#include "log/AnswerRecord.h"
#include "log/class/ClassOverview.h"

#include "core/ErrorCause.h"
#include "log/LogExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

QString ChildAnswersPath(const QString &folder, const QString &child)
{
    return QDir(folder).filePath(child + QLatin1Char('/') + QLatin1String(AnswerFileName));
}

ChildAnswerLines ReadChildAnswerLines(const QString &folder, const QString &child, const std::atomic_bool &stop)
{
    ChildAnswerLines read;
    QList<AnsweredTask> answers;
    read.outcome = ReadAnswersAt(
        ChildAnswersPath(folder, child),
        [&](const AnsweredTask &answer) {
            if (!stop)
                answers.append(answer);
        },
        std::chrono::steady_clock::now() + ReadLockPatience, Qt::LocalTime);
    if (read.outcome.status != LogStatus::Done || stop)
        return read;
    read.lines.reserve(answers.size());
    for (auto it = answers.crbegin(); it != answers.crend() && !stop; ++it)
        read.lines.append(AnswerLine(*it));
    if (stop)
        read.lines.clear();
    return read;
}

namespace {

// What one child's answer record gave.
struct ChildReading
{
    LogOutcome outcome;
    bool answered = false;
    QList<KindMistakes> kinds;
};

ChildReading readChild(const QString &path, LockDeadline deadline)
{
    ChildReading reading;
    MistakeTally tally;
    // When an answer was given is not looked at here: as written is enough.
    reading.outcome = ReadAnswersAt(
        path,
        [&](const AnsweredTask &answer) {
            reading.answered = true;
            tally.Count(answer);
        },
        deadline, Qt::UTC);
    if (reading.answered && reading.outcome.status == LogStatus::Done)
        reading.kinds = tally.Summary();
    return reading;
}

// Every child's record is read and summed up on its own, so the children are shared among
// the processor's cores. Records that other processes keep locked are waited for once,
// not once per child.
std::vector<ChildReading> readChildren(const QString &folder, const QStringList &children,
                                       const std::atomic_bool &stop)
{
    std::vector<ChildReading> readings(size_t(children.size()));
    const LockDeadline deadline = std::chrono::steady_clock::now() + ReadLockPatience;
    std::atomic<qsizetype> next{0};
    const auto readOnward = [&] {
        for (qsizetype i = next++; i < children.size() && !stop; i = next++)
            readings[size_t(i)] = readChild(ChildAnswersPath(folder, children.at(i)), deadline);
    };
    const qsizetype helpers = std::min<qsizetype>(std::max(1u, std::thread::hardware_concurrency()), children.size()) - 1;
    std::vector<std::thread> threads;
    for (qsizetype i = 0; i < helpers; ++i)
        threads.emplace_back(readOnward);
    readOnward();
    for (std::thread &thread : threads)
        thread.join();
    return readings;
}

} // namespace

ClassMistakes ReadClassMistakes(const QString &folder, const std::atomic_bool &stop)
{
    ClassMistakes mistakes;
    QStringList children = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortByName(children);
    std::vector<ChildReading> readings = readChildren(folder, children, stop);
    for (qsizetype i = 0; i < children.size(); ++i) {
        ChildReading &reading = readings[size_t(i)];
        if (reading.outcome.status == LogStatus::Missing)
            continue;
        if (reading.outcome.status != LogStatus::Done) {
            mistakes.problems.append(children.at(i) + QStringLiteral(": ")
                                     + LogOutcomeMessage(reading.outcome).replace(u'\n', u' '));
            continue;
        }
        if (reading.answered)
            mistakes.children.append({children.at(i), std::move(reading.kinds)});
    }
    return mistakes;
}

QList<PatternCount> ClassPatternTotals(const ClassMistakes &mistakes)
{
    QList<PatternCount> totals;
    for (const ChildMistakes &child : mistakes.children) {
        for (const KindMistakes &kind : child.kinds) {
            for (const PatternCount &pattern : kind.patterns) {
                auto found = std::find_if(totals.begin(), totals.end(),
                                          [&](const PatternCount &total) { return total.pattern == pattern.pattern; });
                if (found == totals.end()) {
                    totals.append({pattern.pattern, 0, {}});
                    found = totals.end() - 1;
                }
                found->count += pattern.count;
                for (const QString &example : pattern.examples) {
                    if (found->examples.size() < ExamplesPerPattern)
                        found->examples.append(example);
                }
            }
        }
    }
    std::stable_sort(totals.begin(), totals.end(),
                     [](const PatternCount &a, const PatternCount &b) { return a.count > b.count; });
    return totals;
}

QList<QStringList> ClassMistakeRows(const ClassMistakes &mistakes)
{
    QList<QStringList> rows = {{QStringLiteral("Kind"), QStringLiteral("Übung"), QStringLiteral("Aufgaben"),
                                QStringLiteral("Falsch"), QStringLiteral("Fehlerbild"), QStringLiteral("Anzahl"),
                                QStringLiteral("Beispiele")}};
    for (const ChildMistakes &child : mistakes.children) {
        for (const KindMistakes &kind : child.kinds) {
            const QStringList start = {child.child, KindTitleOf(kind.kind),
                                       QString::number(kind.tasks), QString::number(kind.wrong)};
            if (kind.patterns.isEmpty())
                rows.append(start + QStringList{QString(), QString(), QString()});
            for (const PatternCount &pattern : kind.patterns) {
                rows.append(start + QStringList{ErrorPatternName(pattern.pattern), QString::number(pattern.count),
                                                pattern.examples.join(QStringLiteral(" | "))});
            }
        }
    }
    return rows;
}

std::optional<QString> WriteTableFile(const QString &path, const QByteArray &table)
{
    // Children's results are for the teacher's eyes only, whatever the folder allows.
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(table) == table.size() && file.commit())
        return std::nullopt;
    // The toolkit's own description would be the system's English words.
    return FileErrorCause(errno);
}

ClassReport WriteClassReport(const QString &folder, const QString &path)
{
    const QFileInfo classFolder(folder);
    if (!classFolder.isDir() || !classFolder.isReadable() || !classFolder.isExecutable()) {
        return {ReportResult::FolderUnreadable,
                QStringLiteral("bm: Der Klassenordner „%1“ kann nicht gelesen werden.").arg(folder)};
    }
    if (IsInsideFolder(path, folder)) {
        return {ReportResult::NotWritten,
                QStringLiteral("bm: In den Klassenordner wird nichts geschrieben: „%1“.").arg(path)};
    }
    const QByteArray table = CsvTable(ClassMistakeRows(ReadClassMistakes(folder)));
    if (const std::optional<QString> cause = WriteTableFile(path, table)) {
        return {ReportResult::NotWritten,
                QStringLiteral("bm: Der Bericht „%1“ kann nicht geschrieben werden: %2").arg(path, *cause)};
    }
    return {};
}
