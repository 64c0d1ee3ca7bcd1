#include "run/RunSummary.h"

#include "run/AnswerCheck.h"
#include "run/TaskTypes.h"

#include <QStringList>

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
        QString::number(result.rightCount) + QStringLiteral(" richtig gelöste Aufgaben"),
        QString::number(result.wrongCount) + QStringLiteral(" falsch gelöste Aufgaben"),
        FormatSeconds(result.averageThinkTime(), locale) + QStringLiteral(" sec durchschnittliche Bedenkzeit"),
    };
    return lines.join(CarriageReturn);
}
