#pragma once
// The runs that the append helper logs, so that the test knows every record to expect.

#include "core/RunResult.h"

inline RunResult HelperRun(const QString &name, int index)
{
    RunResult result;
    result.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(11, 8, 51));
    result.rightCount = index % 51;
    result.wrongCount = 1 + index % 25;
    result.totalThinkTime = index * 0.37;
    result.title = name + QLatin1Char(' ') + QString::number(index);
    return result;
}
