#include "log/class/PlanWork.h"

#include "plan/PlanFiles.h"

#include <QDir>

#include <algorithm>

namespace {

// The grades' light green: the plan's work is done.
const QString DoneGrade = QStringLiteral("1");

} // namespace

WeekWork ChildWorkThisWeek(const ClassOverview &overview, const QString &child, const ClassPlan &plan, const QDate &today)
{
    QList<QPair<QString, QDate>> lastRuns;
    for (const ChildExerciseSummary &summary : overview.rows) {
        if (summary.child == child)
            lastRuns.append({summary.exercise, summary.lastDate});
    }
    return WorkThisWeek(plan, lastRuns, today);
}

void AddPlanWorkColumn(ClassTable &table, const ClassOverview &overview, const QString &classFolder, const QDate &today)
{
    QList<std::optional<ClassPlan>> plans;
    for (const QString &child : table.children)
        plans.append(PlanForChild(classFolder, child));
    if (std::none_of(plans.cbegin(), plans.cend(), [](const std::optional<ClassPlan> &plan) { return plan.has_value(); }))
        return;
    table.columns.insert(1, QString::fromUtf8(PlanWorkColumn));
    for (qsizetype row = 0; row < table.children.size(); ++row) {
        ClassTableCell cell;
        if (const std::optional<ClassPlan> &plan = plans.at(row)) {
            const WeekWork work = ChildWorkThisWeek(overview, table.children.at(row), *plan, today);
            cell.text = QStringLiteral("%1 von %2").arg(work.kindsDone).arg(work.kindsPlanned);
            cell.toolTip = QStringLiteral("%1 von %2 geplanten Übungen seit Montag geübt").arg(work.kindsDone).arg(work.kindsPlanned);
            if (work.done())
                cell.background = GradeColour(DoneGrade);
        }
        table.cells[row].insert(1, cell);
    }
}

QStringList ClassChildren(const QString &classFolder)
{
    // Hidden entries are left out, and with them the plans' own folder.
    QStringList children = QDir(classFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortByName(children);
    return children;
}

QStringList UnusablePlans(const QString &classFolder, const QStringList &children)
{
    QStringList lines;
    const PlanFile classPlan = ReadPlanFile(ClassPlanPath(classFolder));
    if (classPlan.state == PlanState::Damaged)
        lines.append(QStringLiteral("Der Plan der Klasse gilt nicht, alle Übungen stehen im Menü: %1").arg(classPlan.problem));
    for (const QString &child : children) {
        const PlanFile own = ReadPlanFile(ChildPlanPath(classFolder, child));
        if (own.state == PlanState::Damaged)
            lines.append(QStringLiteral("Der eigene Plan von %1 gilt nicht: %2").arg(child, own.problem));
    }
    return lines;
}
