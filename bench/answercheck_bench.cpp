// The wait after "&Okay": the real exercise window, offscreen, checks a right answer,
// picks the reward, counts, and poses and draws the next task. Only that click is timed;
// typing the answer, starting a new run every 49 answers and the repaints the toolkit
// does afterwards are not.

#include "WindowTestSupport.h"
#include "run/Kinds.h"

#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

bool startMeasuredRun(qint32 kind, int screenHeight)
{
    return StartRun(kind, FindKind(kind)->caption, screenHeight) && Form2->isVisible();
}

void RightAnswer(benchmark::State &state, qint32 kind, int screenHeight)
{
    if (!startMeasuredRun(kind, screenHeight)) {
        state.SkipWithError("run did not start");
        return;
    }
    for (auto _ : state) {
        // One short of the fifty that end a run, so every timed answer poses a task.
        if (currentRun().rightCount >= RightAnswersPerRun - 1 && !startMeasuredRun(kind, screenHeight)) {
            state.SkipWithError("run did not restart");
            break;
        }
        Form2->Edit1->setText(ExpectedAnswerText());
        const qint32 before = currentRun().rightCount;

        const auto clicked = std::chrono::steady_clock::now();
        Form2->BOk->click();
        const auto drawn = std::chrono::steady_clock::now();

        state.SetIterationTime(std::chrono::duration<double>(drawn - clicked).count());
        if (currentRun().rightCount != before + 1 || currentRun().newTaskDue) {
            state.SkipWithError("the answer was not taken as right");
            break;
        }
        // The reward animation ticks every few hundred milliseconds in use; here it would
        // land inside a later timed click, so it is stopped and the repaints are done now.
        Form2->Timer1->stop();
        QCoreApplication::processEvents();
    }
    Form2->close();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CreateProgramWindows();
    for (qint32 code = 100; code < 500; ++code) {
        const KindInfo *info = FindKind(code);
        if (info == nullptr || info->caption.isEmpty())
            continue;
        for (const int screenHeight : {600, 768}) {
            const std::string name = "RightAnswer/" + std::to_string(code) + "/screen" + std::to_string(screenHeight);
            benchmark::RegisterBenchmark(name.c_str(), RightAnswer, code, screenHeight)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
