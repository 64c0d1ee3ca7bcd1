// The log viewer on screen: from asking the viewer (made beforehand, as the program makes it
// at its start) for a long log, as the title window's "Protokoll zeigen" does, until its
// list holds the whole arranged log and is painted; and the longest time the window's
// thread stood still meanwhile. The runs taken apart for "Verlauf" afterwards are waited
// for outside the time, so that they do not slow the next repetition. Each repetition is
// reported: the first is a first opening in a session, whose worker takes fresh memory.

#include "WindowBenchmarks.h"
#include "PracticeLog.h"
#include "log/widgets/TLogbuch.h"
#include "log/widgets/TProtokollZeilen.h"

#include <QPushButton>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void ShowViewer(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir directory;
    SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
    Random random(4711);
    const QByteArray bytes = PracticeLog(random, int(state.range(0)), 900);
    QFile log(directory.filePath(QStringLiteral("bm.log")));
    if (!log.open(QIODevice::WriteOnly) || log.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark log");
    log.close();
    qint64 longestStall = 0;
    for (auto _ : state) {
        TLogbuch viewer;
        // The ticks wake the loop at least this often, so a longer gap is the thread standing still.
        QTimer ticks;
        ticks.start(10);
        QElapsedTimer sinceLastTurn;
        QElapsedTimer sinceAsked;
        sinceLastTurn.start();
        sinceAsked.start();
        viewer.ShowLogFile(QStringLiteral("bm.log"));
        viewer.show();
        do {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            longestStall = std::max(longestStall, sinceLastTurn.restart());
        } while (viewer.IsReading());
        viewer.Memo1->repaint();
        state.SetIterationTime(double(sinceAsked.nsecsElapsed()) / 1e9);
        if (viewer.Memo1->lineCount() < state.range(0))
            state.SkipWithError("the list does not hold the whole log");
        while (!viewer.ViewButton->isEnabled())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["MiB"] = double(bytes.size()) / double(1 << 20);
    state.counters["stall_ms"] = double(longestStall);
}

} // namespace

BENCHMARK(ShowViewer)->Arg(100000)->Arg(700000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(5);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
