#pragma once
// The figures of a finished practice run, as its summary shows them and the result log
// records them.

#include <QDateTime>
#include <QString>
#include <algorithm>

struct RunResult
{
    QDateTime finishedAt;     // local date and time when the summary was shown
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    double totalThinkTime = 0.0;
    QString title;            // the title the log records for the run's kind

    qint32 answeredTasks() const { return rightCount + wrongCount; }
    // Share of right answers in whole percent, remainder dropped.
    qint32 percentRight() const { return answeredTasks() > 0 ? rightCount * 100 / answeredTasks() : 0; }
    double averageThinkTime() const { return totalThinkTime / std::max(rightCount, qint32(1)); }
};
