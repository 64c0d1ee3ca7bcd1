#pragma once
// Where a class's plans lie and how they are read and written. They lie in a folder of
// their own inside the class folder, which the teachers' group writes and the children may
// only pass through: the class's plan, and a plan of her own for a child who needs one.
// A plan is replaced whole, so no child ever reads half of one; a file that is not a
// plain, small, readable plan counts as none. Rights are left to brimbelo-klasse.

#include "plan/ClassPlan.h"

#include <QString>

// Hidden, so it is never taken for a child's folder.
inline constexpr auto PlanFolderName = ".plan";

QString PlanFolder(const QString &classFolder);
QString ClassPlanPath(const QString &classFolder);
// A child's own plan, named after her log folder (her account, or her name on a shared one).
QString ChildPlanPath(const QString &classFolder, const QString &child);
QString ChildPlanFileName(const QString &child);

enum class PlanState { Absent, Usable, Damaged };
struct PlanFile
{
    PlanState state = PlanState::Absent;
    ClassPlan plan;
    QString problem;   // why a damaged plan cannot be used, in German
};
// Reads a plan without following a link or waiting on a pipe.
PlanFile ReadPlanFile(const QString &path);
// Writes the plan aside in its folder and renames it over `path`, readable by everyone who
// may pass the folder. The failure in German; empty when the plan is in place.
QString WritePlanFile(const QString &path, const ClassPlan &plan);
// Removes a plan; a missing one is no failure. The failure in German, or empty.
QString RemovePlanFile(const QString &path);

// The plan a child practises by: her own when it is usable, else the class's when it is
// usable, else none (every kind, runs as long as ever).
std::optional<ClassPlan> PlanForChild(const QString &classFolder, const QString &child);
// The same for the child whose log folder is `logDirectory`: its name is the child, the
// folder above it the class. None for an empty log folder.
std::optional<ClassPlan> PlanForLogFolder(const QString &logDirectory);
