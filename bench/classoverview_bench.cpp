// Opening the class overview: reading the logs of a whole class and laying out its table.
// The class is made in a temporary folder, under BRIMBELO_BENCH_DIR when that is set (a
// server's folder mounted with sshfs, say: see bench/overview_over_sshfs.sh).

#include "PracticeLog.h"
#include "log/class/ClassTable.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// state.range(0) children with state.range(1) records each, for the whole benchmark.
class BenchmarkClass
{
public:
    explicit BenchmarkClass(const benchmark::State &state)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Random random(4711);
        const QDir root(directory.path());
        for (int child = 0; child < state.range(0); ++child) {
            const QString name = QStringLiteral("kind-%1").arg(child, 2, 10, QLatin1Char('0'));
            root.mkdir(name);
            QFile log(ChildLogPath(root.path(), name));
            const QByteArray bytes = PracticeLog(random, int(state.range(1)), 3600);
            if (!log.open(QIODevice::WriteOnly) || log.write(bytes) != bytes.size())
                qFatal("cannot write the benchmark class");
        }
    }
    QString path() const { return directory.path(); }

private:
    QTemporaryDir directory{qEnvironmentVariable("BRIMBELO_BENCH_DIR", QDir::tempPath()) + QStringLiteral("/klasse-XXXXXX")};
};

void ReadAndLayOutClass(benchmark::State &state)
{
    const BenchmarkClass schoolClass(state);
    for (auto _ : state) {
        const ClassTable table = LayOutClassTable(ReadClassOverview(schoolClass.path()));
        if (table.children.size() != state.range(0))
            state.SkipWithError("a child is missing");
        benchmark::DoNotOptimize(table.cells.size());
    }
}

} // namespace

BENCHMARK(ReadAndLayOutClass)->Args({30, 2000})->Args({30, 20000})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
