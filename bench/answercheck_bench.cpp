// The wait after "&Okay": the real exercise window, offscreen, checks a right answer,
// picks the reward, counts, and poses and draws the next task. Only that click is timed;
// typing the answer, starting a new run every 49 answers and the repaints the toolkit
// does afterwards are not.

#include "KindBenchmarks.h"
#include "WindowTestSupport.h"

#include <QTimer>

#include <chrono>

namespace {

bool startMeasuredRun(qint32 kind, int screenHeight)
{
    return StartRun(kind, FindKind(kind)->caption(), screenHeight) && Form2->isVisible();
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
    UseOffscreenUnlessAsked();
    QApplication app(argc, argv);
    CreateProgramWindows();
    RegisterPerKind("RightAnswer", RightAnswer, true, benchmark::kMillisecond, 5, true);
    return RunRegisteredBenchmarks(argc, argv);
}
