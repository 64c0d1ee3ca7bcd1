// Posing one task, per exercise kind: the generator with the run's no-repeat loop,
// measuring its texts in the real fonts as the exercise window does. The counters walk
// through a whole run, so pictures and numbers grow with the balance as they do in use.

#include "TestSupport.h"
#include "run/Kinds.h"
#include "run/RunState.h"
#include "run/TaskFonts.h"
#include "shell/FontSubstitutes.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    for (qint32 code = 100; code < 500; ++code) {
        if (FindKind(code) != nullptr) {
            for (const int screenHeight : {600, 768}) {
                const std::string name = "PoseTask/" + std::to_string(code) + "/screen" + std::to_string(screenHeight);
                benchmark::RegisterBenchmark(name.c_str(), PoseTask, code, screenHeight)
                    ->Unit(benchmark::kMicrosecond)
                    ->Repetitions(10)
                    ->ReportAggregatesOnly(true);
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
