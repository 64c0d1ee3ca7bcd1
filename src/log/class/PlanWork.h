#pragma once
// The teacher's plan in the class overview: a column saying for each child whether she
// did this week's planned work (runs of the planned kinds since Monday), and a line for
// each plan that cannot be used. Reading the plans is left to the plan room.

#include "log/class/ClassTable.h"
#include "plan/ClassPlan.h"

#include <QDate>

inline constexpr auto PlanWorkColumn = "Plan diese Woche";

// The planned work of one child this week, from her rows of the overview.
WeekWork ChildWorkThisWeek(const ClassOverview &overview, const QString &child, const ClassPlan &plan, const QDate &today);

// Puts the column after "Läufe" when some child of the class folder has a plan: "n von m"
// planned kinds done, green when all are; empty for a child without a plan.
void AddPlanWorkColumn(ClassTable &table, const ClassOverview &overview, const QString &classFolder, const QDate &today);

// The children's folders of a class, whether they have runs or not, sorted by name.
QStringList ClassChildren(const QString &classFolder);

// One German line for the class's plan and for each child's own plan that cannot be used.
QStringList UnusablePlans(const QString &classFolder, const QStringList &children);
