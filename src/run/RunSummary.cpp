#include "run/RunSummary.h"

#include "run/AnswerCheck.h"
#include "run/RunState.h"
#include "core/TaskTypes.h"

#include <QStringList>

namespace {

// "1 richtig gelöste Aufgabe", but "0" or "2 richtig gelöste Aufgaben".
QString TaskCount(qint32 count, const QString &how)
{
    return QString::number(count) + u' ' + how + QStringLiteral(" gelöste Aufgabe")
         + (count == 1 ? QString() : QStringLiteral("n"));
}

} // namespace

RunResult RunResultOf(const PracticeRun &run, const QString &title, const QDateTime &finishedAt)
{
    RunResult result;
    result.finishedAt = finishedAt;
    result.rightCount = run.rightCount;
    result.wrongCount = run.wrongCount;
    result.totalThinkTime = run.totalThinkTime;
    result.title = title;
    return result;
}

QString SummaryTitle(const QString &caption)
{
    return QLatin1Char('"') + caption + QLatin1Char('"');
}

QString SummaryText(const RunResult &result, const QLocale &locale)
{
    const QStringList lines = {
        QStringLiteral("So hast du am ") + locale.toString(result.finishedAt.date(), QLocale::ShortFormat)
            + QStringLiteral(" gerechnet:"),
        QString(),
        TaskCount(result.rightCount, QStringLiteral("richtig")),
        TaskCount(result.wrongCount, QStringLiteral("falsch")),
        FormatSeconds(result.averageThinkTime(), locale) + QStringLiteral(" Sek. durchschnittliche Bedenkzeit"),
    };
    return lines.join(CarriageReturn);
}
