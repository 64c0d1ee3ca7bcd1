// The log viewer on screen: reading a long log, arranging it and handing the lines to the
// list, as the title window's "Protokoll zeigen" does, until the list holds the whole log
// and is painted; and the longest time the window's thread stood still meanwhile.

#include "PracticeLog.h"
#include "log/widgets/TLogbuch.h"
#include "log/widgets/TProtokollZeilen.h"

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
        // The ticks wake the loop at least this often, so a longer gap is the thread standing still.
        QTimer ticks;
        ticks.start(10);
        QElapsedTimer sinceLastTurn;
        sinceLastTurn.start();
        TLogbuch viewer;
        viewer.ShowLogFile(QStringLiteral("bm.log"));
        viewer.show();
        do {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            longestStall = std::max(longestStall, sinceLastTurn.restart());
        } while (viewer.IsReading());
        viewer.Memo1->repaint();
        if (viewer.Memo1->lineCount() < state.range(0))
            state.SkipWithError("the list does not hold the whole log");
    }
    state.counters["MiB"] = double(bytes.size()) / double(1 << 20);
    state.counters["stall_ms"] = double(longestStall);
}

} // namespace

BENCHMARK(ShowViewer)->Arg(100000)->Arg(700000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
