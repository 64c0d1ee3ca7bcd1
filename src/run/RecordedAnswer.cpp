#include "run/RecordedAnswer.h"

#include "run/ShownTask.h"

namespace {

// The run's current task as its generator handed it over.
GeneratedTask posedTask(const PracticeRun &run)
{
    GeneratedTask task;
    task.expectedAnswer = run.currentTask.expectedAnswer;
    task.taskText = run.currentTask.taskText;
    task.solutionText = run.currentTask.solutionText;
    task.picture = run.taskPicture;
    return task;
}

} // namespace

QString ShownTask(const PracticeRun &run)
{
    return ShownTaskOf(run.kindInfo(), posedTask(run));
}

AnsweredTask AnsweredTaskOf(const PracticeRun &run, qint32 n, quint32 elapsedMs, const QDateTime &at)
{
    const GeneratedTask task = posedTask(run);
    AnsweredTask answer;
    answer.answeredAt = at;
    answer.kind = run.currentTask.kind;
    answer.attempt = std::max(run.triesAtTask, qint32(1));
    answer.task = ShownTaskOf(run.kindInfo(), task);
    answer.expected = AskedNumber(run.kindInfo(), task);
    answer.given = n;
    if (run.kindInfo().answeredByPointing())
        answer.given = NumberAtColumn(run.numberLine, n);
    answer.thinkSeconds = elapsedMs / 1000.0;
    return answer;
}
