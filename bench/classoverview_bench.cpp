// Opening the class overview: reading the logs of a whole class and laying out its table.

#include "log/ClassTable.h"
#include "log/Cp1252.h"
#include "log/LogFile.h"
#include "run/Kinds.h"
#include "run/Random.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QList<qint32> MenuKinds{102, 103, 104, 105, 109, 110, 201, 202, 203,
                              301, 302, 303, 304, 305, 401, 402, 403};

// A child's log after years of practice: every exercise, runs on many days.
QByteArray childLog(Random &random, int records)
{
    const QDateTime first(QDate(2024, 1, 1), QTime(8, 0));
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        RunResult result;
        result.finishedAt = first.addSecs(qint64(i) * 3600 + random.below(600));
        result.rightCount = random.between(0, 50);
        result.wrongCount = random.between(result.rightCount == 0 ? 1 : 0, 25);
        result.totalThinkTime = random.fraction() * 400.0;
        result.title = FindKind(MenuKinds.at(random.below(qint32(MenuKinds.size()))))->caption;
        bytes += MaskLogText(EncodeCp1252(LogRecordFor(result))) + "\r\n";
    }
    return bytes;
}

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
            const QByteArray bytes = childLog(random, int(state.range(1)));
            if (!log.open(QIODevice::WriteOnly) || log.write(bytes) != bytes.size())
                qFatal("cannot write the benchmark class");
        }
    }
    QString path() const { return directory.path(); }

private:
    QTemporaryDir directory;
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

BENCHMARK(ReadAndLayOutClass)->Args({30, 2000})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
