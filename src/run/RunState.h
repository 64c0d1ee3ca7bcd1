#pragma once
// The state of one practice run and the rules that keep it consistent: each task counts
// once, a run ends at its limit of right or wrong answers, and no task follows itself. The
// exercise window drives it; timing and painting are left to the callers.

#include "core/Generation.h"
#include "core/RunResult.h"
#include "kinds/Kinds.h"
#include "core/TaskTypes.h"

#include <optional>

// A generator that cannot produce another task than the previous one is given up on
// after this many tries, and the last task it produced is posed.
inline constexpr int MaxGenerationTries = 2000;
// A recognised mistake comes back within this many tasks: each of them is drawn again, up
// to RevisitTries times, until it gives room for the same mistake.
inline constexpr int RevisitWithin = 5;
inline constexpr int RevisitTries = 200;

class PracticeRun
{
public:
    TAufgabe currentTask;
    // The last task's no-repeat key (its text for most kinds), which the next must differ in.
    QString previousTaskText;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    quint32 taskStartTick = 0;
    double totalThinkTime = 0.0;
    bool answerAccepted = true;
    bool newTaskDue = true;
    double layoutScale = 1.0;
    TNumberLine numberLine;
    TCoverTriangle coverTriangle{};
    int dotGridSize = 0;
    // The current task's picture, as its generator made it; nothing before the first task.
    TaskPicture taskPicture;
    // How far the reward animation of the last right answer has got.
    qint32 rewardStep = 0;
    // The teacher's plan: the run ends after this many answered tasks, unless its usual
    // limits end it first; 0: only those. Set before the run starts and kept by reset().
    qint32 tasksPerRun = 0;
    // Set by the end of the run; an ended run takes no further answer.
    bool ended = false;
    // The answers given to the current task so far, wrong ones and the right one.
    qint32 triesAtTask = 0;
    // The mistake the child made last, to be practised again, and how many tasks are left
    // to bring it back.
    std::optional<ErrorPattern> mistakeToRevisit;
    int tasksToRevisit = 0;
    // What the correction tells the child about the current task's last wrong answer;
    // empty where no mistake was recognised.
    QString mistakeNote;

    // The next tasks come back to this mistake (never to "anderer Fehler").
    void revisitMistake(ErrorPattern pattern);

    // Run start: counters, think time, picture and memory of the last task cleared; kind
    // and planned length kept.
    void reset();

    qint32 balance() const { return rightCount - wrongCount; }
    // The descriptor of the run's kind; an empty one for a code that is no kind.
    const KindInfo &kindInfo() const;
    bool limitReached() const
    {
        return rightCount >= RightAnswersPerRun || wrongCount >= WrongAnswersPerRun
               || (tasksPerRun > 0 && answeredTasks() >= tasksPerRun);
    }
    qint32 answeredTasks() const { return rightCount + wrongCount; }
    double averageThinkTime() const;

    // Poses the next task of the run's kind through its generator, regenerating while it
    // repeats the previous task. Empty for a kind that cannot pose tasks. Kinds are looked
    // up in the program's table unless another lookup is given.
    using KindLookup = const KindInfo *(*)(qint32 code);
    std::optional<GeneratedTask> poseTask(GenerationContext &context, KindLookup lookup = FindKind);

    enum class Verdict { Right, Wrong, Ignored };
    // Judges the answer n against the current task; only the first answer of a task
    // counts. Ignored once the task is solved (until the next one is posed) or the run
    // has ended, so an answer given twice in a hurry never counts twice.
    Verdict recordAnswer(qint32 n);

    // After the correction of a failed task the child moves on to the next one; the task
    // stays counted as it was. False when no failed task is open.
    bool moveOnAfterCorrection();

    enum class Ending { AlreadyEnded, WithoutSummary, WithSummary };
    // Ends the run, once. openTaskMs is the time since the open task was posed; it is
    // counted when no thinking time has been summed yet, so a run without a right answer
    // still reports a time. A run without any answered task ends without a summary.
    Ending finish(quint32 openTaskMs);
};

// The run of the one exercise window.
PracticeRun &currentRun();
