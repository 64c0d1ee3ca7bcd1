#pragma once
// The main of the benchmarks that paint windows: an offscreen application around the
// registered benchmarks, unless the caller names another platform.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int RunWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
