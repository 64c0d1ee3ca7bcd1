// Opening the log viewer: reading a log of many records and arranging it for display. The
// viewer makes a line's text only when it draws it; all lines at once are measured apart.

#include "PracticeLog.h"
#include "log/LogView.h"
#include "log/OpenedLog.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void writeLog(const QString &path, int records)
{
    Random random(4711);
    const QByteArray bytes = PracticeLog(random, records, 900);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark log");
}

// A log of state.range(0) records in a fresh directory, for the whole benchmark.
class BenchmarkLog
{
public:
    explicit BenchmarkLog(const benchmark::State &state)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
        writeLog(directory.filePath(QStringLiteral("bm.log")), int(state.range(0)));
    }

    // As the viewer reads it: into one block of records.
    LogRecords read(benchmark::State &state) const
    {
        LogRecords records;
        const std::unique_ptr<OpenedLog> opened = OpenLogAt(directory.filePath(QStringLiteral("bm.log")),
                                                            std::chrono::steady_clock::now() + std::chrono::seconds(1));
        if (ReadOpenedLog(*opened, records).status != LogStatus::Done)
            state.SkipWithError("log not read");
        return records;
    }

private:
    QTemporaryDir directory;
};

// What opening the viewer costs: both steps together.
void ReadAndArrangeLog(benchmark::State &state)
{
    const BenchmarkLog log(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(LogViewRows::Arranged(log.read(state)).size());
}

void ReadLog(benchmark::State &state)
{
    const BenchmarkLog log(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(log.read(state).size());
}

void ArrangeLog(benchmark::State &state)
{
    const BenchmarkLog log(state);
    const LogRecords records = log.read(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(LogViewRows::Arranged(records).size());
}

// Every line made, as copying the whole log does.
void MakeAllLines(benchmark::State &state)
{
    const BenchmarkLog log(state);
    const LogRecords records = log.read(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(LogViewLines(records).size());
}

} // namespace

BENCHMARK(ReadAndArrangeLog)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadLog)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ArrangeLog)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(MakeAllLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
