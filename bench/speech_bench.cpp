// From posing a task to the first samples of its reading: the generator draws the task,
// its spoken text is made, and the real German voice reads it on its worker thread until
// the first piece of samples is back on the window's thread, ready to be played. Playing
// itself is not timed (there need not be a sound output). Target: 150 ms.

#include "KindBenchmarks.h"
#include "TestSupport.h"
#include "voice/EspeakSpeech.h"
#include "voice/GermanVoice.h"
#include "run/SpokenText.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace {

constexpr int GiveUpAfterMilliseconds = 5000;

void TaskToFirstSamples(benchmark::State &state, qint32 kind)
{
    const KindInfo *info = FindKind(kind);
    EspeakSpeech speech;
    QEventLoop waiting;
    QObject::connect(&speech, &EspeakSpeech::firstSamplesReady, &waiting, &QEventLoop::quit);
    Random random{quint32(kind)};
    for (auto _ : state) {
        // A run well under way: the tasks, and their texts, are as long as they get.
        GenerationContext context = MakeContext(random, 30);
        const auto posed = std::chrono::steady_clock::now();
        const GeneratedTask task = info->generator(context, info->level);
        speech.say(SpokenTask(kind, task));
        QTimer::singleShot(GiveUpAfterMilliseconds, &waiting, [&] { waiting.exit(1); });
        const int failed = waiting.exec();
        const auto ready = std::chrono::steady_clock::now();
        if (failed != 0) {
            state.SkipWithError("no samples came back");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(ready - posed).count());
        speech.stop();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Loading the voice is paid once per program, before the first task is read.
    if (GermanVoiceSampleRate() == 0)
        return 1;
    for (const KindInfo *kind : PractisedKinds()) {
        const qint32 code = kind->code;
        const std::string name = "TaskToFirstSamples/" + std::to_string(code);
        benchmark::RegisterBenchmark(name.c_str(), TaskToFirstSamples, code)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->UseManualTime();
    }
    return RunRegisteredBenchmarks(argc, argv);
}
