#include "log/ClassMistakes.h"

#include "kinds/ErrorPatterns.h"
#include "log/AnswerRecord.h"
#include "log/ClassOverview.h"

#include <QDir>
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
