#include "plan/ClassPlan.h"

#include "core/RunResult.h"
#include "kinds/Kinds.h"

#include <QSet>
#include <QStringList>

namespace {

const QString KindsKey = QStringLiteral("Uebungen");
const QString TasksKey = QStringLiteral("Aufgaben");
const QString TodayKey = QStringLiteral("Heute");

// A number the way a teacher types it: digits, nothing else; nullopt otherwise.
std::optional<qint32> PlainNumber(const QString &text)
{
    bool isNumber = false;
    const qint32 number = text.toInt(&isNumber);
    if (!isNumber || text.isEmpty() || !text.front().isDigit())
        return std::nullopt;
    return number;
}

QString ValueProblem(ClassPlan &plan, const QString &key, const QString &value)
{
    if (key == KindsKey) {
        QString unknown;
        const std::optional<QList<qint32>> kinds = KindCodes(value, &unknown);
        if (!kinds)
            return QStringLiteral("Der Plan nennt die unbekannte Übung \"%1\".").arg(unknown);
        if (kinds->isEmpty())
            return QStringLiteral("Der Plan nennt keine Übung.");
        plan.kinds = *kinds;
    } else if (key == TasksKey) {
        const std::optional<qint32> tasks = PlainNumber(value);
        if (!tasks)
            return QStringLiteral("Die Zahl der Aufgaben \"%1\" ist keine Zahl.").arg(value);
        plan.tasksPerRun = *tasks;
    } else if (key == TodayKey) {
        const KindInfo *kind = PractisedKindOf(value);
        if (kind == nullptr || !PlainNumber(value))
            return QStringLiteral("Der Plan nennt für heute die unbekannte Übung \"%1\".").arg(value);
        plan.today = kind->code;
    } else {
        return QStringLiteral("Der Plan enthält die unbekannte Angabe \"%1\".").arg(key);
    }
    return {};
}

} // namespace

std::optional<QList<qint32>> KindCodes(const QString &list, QString *unknown)
{
    QList<qint32> chosen;
    for (const QString &word : list.split(QLatin1Char(','))) {
        const QString code = word.trimmed();
        if (code.isEmpty())
            continue;
        const KindInfo *kind = PlainNumber(code) ? PractisedKindOf(code) : nullptr;
        if (kind == nullptr) {
            if (unknown != nullptr)
                *unknown = code;
            return std::nullopt;
        }
        chosen.append(kind->code);
    }
    return InMenuOrder(chosen);
}

QList<qint32> KindsToPlan(const QList<qint32> &chosen)
{
    const QList<qint32> ordered = InMenuOrder(chosen);
    return ordered.size() == PractisedKinds().size() ? QList<qint32>() : ordered;
}

QList<qint32> InMenuOrder(const QList<qint32> &codes)
{
    QList<qint32> ordered;
    for (const KindInfo *kind : PractisedKinds()) {
        if (codes.contains(kind->code))
            ordered.append(kind->code);
    }
    return ordered;
}

QString PlanProblem(const ClassPlan &plan)
{
    for (qint32 code : plan.kinds) {
        if (PractisedKindOf(QString::number(code)) == nullptr)
            return QStringLiteral("Der Plan nennt die unbekannte Übung \"%1\".").arg(code);
    }
    if (plan.tasksPerRun < 0 || plan.tasksPerRun > RightAnswersPerRun)
        return QStringLiteral("Eine Runde hat 1 bis %1 Aufgaben, nicht %2.").arg(RightAnswersPerRun).arg(plan.tasksPerRun);
    if (plan.today != 0 && PractisedKindOf(QString::number(plan.today)) == nullptr)
        return QStringLiteral("Der Plan nennt für heute die unbekannte Übung \"%1\".").arg(plan.today);
    if (plan.today != 0 && !plan.offers(plan.today))
        return QStringLiteral("Die Übung für heute (%1) ist nicht unter den geplanten Übungen.").arg(plan.today);
    return {};
}

PlanReading ParsePlan(const QByteArray &text)
{
    if (text.size() > MaxPlanBytes)
        return {std::nullopt, QStringLiteral("Der Plan ist zu groß.")};
    const QString decoded = QString::fromUtf8(text);
    if (text.contains('\0') || decoded.contains(QChar::ReplacementCharacter))
        return {std::nullopt, QStringLiteral("Der Plan ist keine Textdatei.")};
    ClassPlan plan;
    QSet<QString> keysSeen;
    for (const QString &rawLine : decoded.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        // Comments as in wolf.cfg, or as a teacher used to shell files writes them.
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return {std::nullopt, QStringLiteral("Die Zeile \"%1\" hat keine Form Name=Wert.").arg(line.left(40))};
        const QString key = line.left(equals).trimmed();
        if (keysSeen.contains(key))
            return {std::nullopt, QStringLiteral("\"%1\" steht zweimal im Plan.").arg(key)};
        keysSeen.insert(key);
        if (const QString problem = ValueProblem(plan, key, line.mid(equals + 1).trimmed()); !problem.isEmpty())
            return {std::nullopt, problem};
    }
    if (const QString problem = PlanProblem(plan); !problem.isEmpty())
        return {std::nullopt, problem};
    return {plan, QString()};
}

QByteArray PlanText(const ClassPlan &plan)
{
    QString text = QStringLiteral("; Plan für Brimbelo, geschrieben von brimbelo-klasse oder der Klassenübersicht\n");
    if (!plan.kinds.isEmpty()) {
        QStringList codes;
        for (qint32 code : plan.kinds)
            codes.append(QString::number(code));
        text += KindsKey + QLatin1Char('=') + codes.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    if (plan.tasksPerRun > 0)
        text += TasksKey + QLatin1Char('=') + QString::number(plan.tasksPerRun) + QLatin1Char('\n');
    if (plan.today != 0)
        text += TodayKey + QLatin1Char('=') + QString::number(plan.today) + QLatin1Char('\n');
    return text.toUtf8();
}

QList<qint32> GradeKinds(int grade)
{
    QList<qint32> kinds;
    for (const KindInfo *kind : PractisedKinds()) {
        if (kind->grade == grade)
            kinds.append(kind->code);
    }
    return kinds;
}

QDate WeekStart(const QDate &day)
{
    return day.addDays(1 - day.dayOfWeek());
}

WeekWork WorkThisWeek(const ClassPlan &plan, const QList<QPair<QString, QDate>> &lastRuns, const QDate &today)
{
    const QDate monday = WeekStart(today);
    WeekWork work;
    for (const KindInfo *kind : PractisedKinds()) {
        if (!plan.offers(kind->code))
            continue;
        ++work.kindsPlanned;
        for (const auto &[title, date] : lastRuns) {
            if (title == kind->logTitle && date >= monday && date <= today) {
                ++work.kindsDone;
                break;
            }
        }
    }
    return work;
}
