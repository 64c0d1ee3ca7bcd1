// "Fehlerbilder" of a large class: the report "bm --klasse ORDNER --bericht DATEI" written
// without a window, and the teacher's window from reading the answer records (on a worker)
// to standing painted on the screen with them. Both read the class folder anew every time.

#include "WindowBenchmarks.h"
#include "PracticeAnswers.h"
#include "log/widgets/TFehlerbilder.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// state.range(0) children with state.range(1) answers each.
class BenchmarkClass
{
public:
    explicit BenchmarkClass(const benchmark::State &state)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WritePracticeClass(directory.path(), int(state.range(0)), int(state.range(1)));
    }
    QString path() const { return directory.path(); }

private:
    QTemporaryDir directory;
};

void WriteReport(benchmark::State &state)
{
    const BenchmarkClass schoolClass(state);
    QTemporaryDir out;
    const QString report = out.filePath(QStringLiteral("bericht.csv"));
    for (auto _ : state) {
        if (WriteClassReport(schoolClass.path(), report).result != ReportResult::Written)
            state.SkipWithError("the report was not written");
    }
}

void ShowFehlerbilder(benchmark::State &state)
{
    const BenchmarkClass schoolClass(state);
    for (auto _ : state) {
        TFehlerbilder window;
        window.ShowClass(schoolClass.path());
        window.show();
        while (window.IsReading())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
        window.repaint();
        if (window.Tree->topLevelItemCount() != state.range(0))
            state.SkipWithError("a child is missing");
    }
}

} // namespace

BENCHMARK(WriteReport)->Args({30, 20000})->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ShowFehlerbilder)->Args({30, 20000})->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
