// The log viewer on screen: reading a long log, arranging it and filling the text box, as
// the title window's "Protokoll zeigen" does before the window appears.

#include "PracticeLog.h"
#include "log/TLogbuch.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
    for (auto _ : state) {
        TLogbuch viewer;
        viewer.ShowLogFile(QStringLiteral("bm.log"));
        viewer.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(viewer.Memo1->blockCount());
    }
    state.counters["MiB"] = double(bytes.size()) / double(1 << 20);
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
