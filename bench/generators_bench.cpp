// Posing one task, per exercise kind: the generator with the run's no-repeat loop,
// measuring its texts in the real fonts as the exercise window does. The counters walk
// through a whole run, so pictures and numbers grow with the balance as they do in use.

#include "KindBenchmarks.h"
#include "TestSupport.h"
#include "run/RunState.h"
#include "run/TaskFonts.h"
#include "shell/FontSubstitutes.h"

#include <QGuiApplication>

namespace {

void PoseTask(benchmark::State &state, qint32 kind, int screenHeight)
{
    Random random(20240611);
    GenerationContext context = MakeContext(random, 0, 0, screenHeight > 600 ? 1.28 : 1.0);
    context.textWidth = TaskTextWidth;
    PracticeRun run;
    run.currentTask.kind = kind;
    run.reset();
    qint32 answered = 0;
    for (auto _ : state) {
        // Right and wrong answers in the mix of a run that goes well: balance from about
        // -5 to +45, the whole range a child sees.
        context.rightCount = answered % RightAnswersPerRun;
        context.wrongCount = (answered / 3) % 6;
        const std::optional<GeneratedTask> task = run.poseTask(context);
        if (!task) {
            state.SkipWithError("kind poses no task");
            break;
        }
        benchmark::DoNotOptimize(task->expectedAnswer);
        ++answered;
    }
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenUnlessAsked();
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    RegisterPerKind("PoseTask", PoseTask, false, benchmark::kMicrosecond, 10);
    return RunRegisteredBenchmarks(argc, argv);
}
