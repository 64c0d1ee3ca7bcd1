#pragma once
// The figures of a finished practice run, as its summary shows them and the result log
// records them, and the limits that end a run. Keeping a run going is left to the run.

#include <QDateTime>
#include <QString>
#include <algorithm>

// A run ends at this many right or this many wrong answers; the log accepts no more.
inline constexpr qint32 RightAnswersPerRun = 50;
inline constexpr qint32 WrongAnswersPerRun = 25;

// Seconds of thinking per right answer; a run without one divides by one, so its time
// still shows.
inline double AverageThinkTime(double totalThinkTime, qint32 rightCount)
{
    return totalThinkTime / std::max(rightCount, qint32(1));
}

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
    double averageThinkTime() const { return AverageThinkTime(totalThinkTime, rightCount); }
};
