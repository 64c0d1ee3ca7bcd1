#pragma once
// What a teacher planned for her class or for one child: the kinds on offer, the number of
// tasks a run has and the kind for today, with the plan file's key=value text and the
// grade presets. Reading and writing the file is left to PlanFiles.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// A plan file larger than this is no plan: no honest plan comes near it.
inline constexpr qsizetype MaxPlanBytes = 4096;

struct ClassPlan
{
    QList<qint32> kinds;      // the kinds offered, in the menu's order; empty: every kind
    qint32 tasksPerRun = 0;   // a run ends after this many answered tasks; 0: only at its usual limits
    qint32 today = 0;         // the kind the title window offers first; 0: none

    // Whether the title window's menu offers `kind`.
    bool offers(qint32 kind) const { return kinds.isEmpty() || kinds.contains(kind); }
    bool operator==(const ClassPlan &) const = default;
};

// A plan's text read: the plan, or why it cannot be used (a German sentence).
struct PlanReading
{
    std::optional<ClassPlan> plan;
    QString problem;
};
PlanReading ParsePlan(const QByteArray &text);
// The text ParsePlan reads back as the same plan.
QByteArray PlanText(const ClassPlan &plan);
// Why a plan cannot be used, in German; empty when it can.
QString PlanProblem(const ClassPlan &plan);

// The numbers of tasks a teacher picks from for a run, besides the run as it always was.
inline constexpr std::array<qint32, 3> TaskChoices = {10, 20, 30};

// The kinds a plan names when `chosen` are ticked: none when every kind is, so that a kind
// added to the program later is offered too.
QList<qint32> KindsToPlan(const QList<qint32> &chosen);

// The codes in a list such as "501, 503,507"; nullopt, with the offending word in
// `unknown`, when one of them names no kind a child can start.
std::optional<QList<qint32>> KindCodes(const QString &list, QString *unknown = nullptr);
// The kinds among `codes`, each once, in the menu's order.
QList<qint32> InMenuOrder(const QList<qint32> &codes);
// The kinds whose range fits school year `grade` (1 to 4), in the menu's order.
QList<qint32> GradeKinds(int grade);

// How much of a plan a child did this week: the planned kinds with a run since Monday.
struct WeekWork
{
    int kindsDone = 0;
    int kindsPlanned = 0;
    bool done() const { return kindsPlanned > 0 && kindsDone == kindsPlanned; }
};
// `lastRuns` holds, per logged title, the date of the child's newest run of it.
WeekWork WorkThisWeek(const ClassPlan &plan, const QList<QPair<QString, QDate>> &lastRuns, const QDate &today);
// The Monday that starts the week of `day`.
QDate WeekStart(const QDate &day);
