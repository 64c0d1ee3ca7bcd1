#include "log/class/ClassMistakes.h"

#include "kinds/ErrorPatterns.h"
#include "log/AnswerRecord.h"
#include "log/class/ClassOverview.h"

#include "core/ErrorCause.h"
#include "log/LogExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <algorithm>

QString ChildAnswersPath(const QString &folder, const QString &child)
{
    return QDir(folder).filePath(child + QLatin1Char('/') + QLatin1String(AnswerFileName));
}

ClassMistakes ReadClassMistakes(const QString &folder)
{
    ClassMistakes mistakes;
    QStringList children = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortByName(children);
    for (const QString &child : children) {
        QList<AnsweredTask> answers;
        const LogOutcome outcome = ReadAnswersAt(ChildAnswersPath(folder, child), answers);
        if (outcome.status == LogStatus::Missing)
            continue;
        if (outcome.status != LogStatus::Done) {
            mistakes.problems.append(child + QStringLiteral(": ") + LogOutcomeMessage(outcome).replace(u'\n', u' '));
            continue;
        }
        if (!answers.isEmpty())
            mistakes.children.append({child, SummariseMistakes(answers)});
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
