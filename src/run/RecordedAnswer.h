#pragma once
// What the answer record keeps of an answer the run has just judged: the task as the
// child saw it, written as the kind's recording says, and the answer in the task's own
// numbers (a click on the ray becomes the number at that place).

#include "core/AnsweredTask.h"
#include "run/RunState.h"

#include <QDateTime>

// The run's current task as the answer record writes it.
QString ShownTask(const PracticeRun &run);

// The answer n, just judged by the run, given elapsedMs after the task was posed.
AnsweredTask AnsweredTaskOf(const PracticeRun &run, qint32 n, quint32 elapsedMs, const QDateTime &at);
