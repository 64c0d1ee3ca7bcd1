#include "run/RunState.h"

#include "kinds/ErrorPatterns.h"
#include "run/ShownTask.h"

void PracticeRun::reset()
{
    rightCount = 0;
    wrongCount = 0;
    totalThinkTime = 0.0;
    previousTaskText.clear();
    newTaskDue = true;
    answerAccepted = true;
    ended = false;
    mistakeToRevisit.reset();
    tasksToRevisit = 0;
    mistakeNote.clear();
    currentTask.taskFailed = false;
    taskPicture = std::monostate{};
}

const KindInfo &PracticeRun::kindInfo() const
{
    static const KindInfo noKind;
    const KindInfo *info = FindKind(currentTask.kind);
    return info != nullptr ? *info : noKind;
}

double PracticeRun::averageThinkTime() const
{
    return AverageThinkTime(totalThinkTime, rightCount);
}

std::optional<GeneratedTask> PracticeRun::poseTask(GenerationContext &context, KindLookup lookup)
{
    currentTask.taskText.clear();
    currentTask.solutionText.clear();
    currentTask.taskFailed = false;
    triesAtTask = 0;
    mistakeNote.clear();

    const KindInfo *runKind = lookup(currentTask.kind);
    if (runKind == nullptr)
        return std::nullopt;
    // Drawn once before the loop, so a regenerated repeat keeps its sub-kind.
    const KindInfo *info = lookup(DrawKindForTask(*runKind, context.random));
    if (info == nullptr || info->generator == nullptr)
        return std::nullopt;

    GeneratedTask task;
    bool invites = false;
    for (int tries = 0; tries < MaxGenerationTries; ++tries) {
        task = info->generator(context, info->level);
        if (task.noRepeatKey() == previousTaskText)
            continue;
        invites = mistakeToRevisit && InvitesMistake(*info, ShownTaskOf(*info, task), AskedNumber(*info, task),
                                                     *mistakeToRevisit);
        if (!mistakeToRevisit || invites || tries >= RevisitTries)
            break;
    }
    if (mistakeToRevisit && (invites || --tasksToRevisit <= 0))
        mistakeToRevisit.reset();

    currentTask.expectedAnswer = task.expectedAnswer;
    currentTask.taskText = task.taskText;
    currentTask.solutionText = task.solutionText;
    previousTaskText = task.noRepeatKey();
    newTaskDue = false;
    taskPicture = task.picture;
    if (const auto *line = std::get_if<NumberLinePicture>(&task.picture))
        numberLine = line->line;
    if (const auto *dots = std::get_if<DotPicture>(&task.picture)) {
        coverTriangle = dots->triangle;
        dotGridSize = dots->gridSize;
    }
    return task;
}

void PracticeRun::revisitMistake(ErrorPattern pattern)
{
    if (pattern == ErrorPattern::Other)
        return;
    mistakeToRevisit = pattern;
    tasksToRevisit = RevisitWithin;
}

PracticeRun::Verdict PracticeRun::recordAnswer(qint32 n)
{
    if (ended || newTaskDue)
        return Verdict::Ignored;
    const bool right = n == currentTask.expectedAnswer;
    ++triesAtTask;
    if (!currentTask.taskFailed) {
        if (right)
            ++rightCount;
        else
            ++wrongCount;
    }
    if (right) {
        answerAccepted = true;
        newTaskDue = true;
    } else {
        currentTask.taskFailed = true;
        answerAccepted = false;
    }
    return right ? Verdict::Right : Verdict::Wrong;
}

bool PracticeRun::moveOnAfterCorrection()
{
    if (ended || newTaskDue || !currentTask.taskFailed)
        return false;
    answerAccepted = true;
    newTaskDue = true;
    return true;
}

PracticeRun::Ending PracticeRun::finish(quint32 openTaskMs)
{
    if (ended)
        return Ending::AlreadyEnded;
    ended = true;
    if (totalThinkTime == 0.0)
        totalThinkTime += openTaskMs / 1000.0;
    return answeredTasks() == 0 ? Ending::WithoutSummary : Ending::WithSummary;
}

PracticeRun &currentRun()
{
    static PracticeRun run;
    return run;
}
