// The progress picture of a very long log: laying out a series of many runs (thinned to
// the picture's width) and painting it, as the log viewer does when an exercise is picked.

#include "WindowBenchmarks.h"
#include "log/ProgressChart.h"
#include "log/widgets/TVerlaufBild.h"
#include "core/Random.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Runs every few hours over years, with shares and thinking times scattered.
QList<ProgressPoint> longSeries(int runs)
{
    Random random(4711);
    const QDateTime first(QDate(2020, 1, 1), QTime(8, 0));
    QList<ProgressPoint> series;
    series.reserve(runs);
    for (int i = 0; i < runs; ++i)
        series.append({first.addSecs(qint64(i) * 900 + random.below(600)), random.between(0, 100),
                       random.fraction() * 99.99});
    return series;
}

// The picture at the size the viewer gives it as designed.
void LayOutAndPaint(benchmark::State &state)
{
    const QList<ProgressPoint> series = longSeries(int(state.range(0)));
    TVerlaufBild picture;
    picture.resize(581, 229);
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        picture.setSeries(series);
        picture.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Only deciding where everything goes.
void LayOut(benchmark::State &state)
{
    const QList<ProgressPoint> series = longSeries(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutProgressChart(series, QSize(581, 229)).points.size());
}

// Picking an exercise: its runs out of all entries, in time order.
void PickExercise(benchmark::State &state)
{
    QList<LogEntry> entries;
    for (const ProgressPoint &point : longSeries(int(state.range(0))))
        entries.append({point.when, 10, 2, point.percent, point.averageSeconds, QStringLiteral("Zählen")});
    std::reverse(entries.begin(), entries.end());
    for (auto _ : state)
        benchmark::DoNotOptimize(ProgressSeries(entries, QStringLiteral("Zählen")).size());
}

// Taking the records apart happens once when the viewer opens.
void TakeRecordsApart(benchmark::State &state)
{
    const QList<ProgressPoint> series = longSeries(int(state.range(0)));
    QStringList records;
    for (const ProgressPoint &point : series)
        records.append(QStringLiteral("%1 12 ok   3 falsch  %2% %3 sec  Zahlenstrahl bis 200")
                           .arg(point.when.toString(QStringLiteral("dd.MM.yy HH:mm:ss")))
                           .arg(point.percent, 3)
                           .arg(GermanDecimal(point.averageSeconds, 2).rightJustified(5)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseLogRecords(records).size());
}

} // namespace

BENCHMARK(LayOutAndPaint)->Arg(1)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LayOut)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PickExercise)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(TakeRecordsApart)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
