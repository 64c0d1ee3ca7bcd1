#pragma once
// What the benchmarks per exercise kind share: the toolkit offscreen unless another
// platform is asked for, one benchmark per kind and screen height, and the run itself.

#include "kinds/Kinds.h"

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <string>

using KindBenchmark = void (*)(benchmark::State &state, qint32 kind, int screenHeight);

inline void UseOffscreenUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// One benchmark "family/code/screenHEIGHT" per kind (menu kinds only, if asked) for the
// small and the large layout; each gets the unit and the repetitions given.
inline void RegisterPerKind(const std::string &family, KindBenchmark benchmark, bool menuKindsOnly,
                            benchmark::TimeUnit unit, int repetitions, bool manualTime = false)
{
    for (const KindInfo &kind : AllKinds()) {
        if (menuKindsOnly && !kind.hasMenuEntry())
            continue;
        const qint32 code = kind.code;
        for (const int screenHeight : {600, 768}) {
            const std::string name = family + "/" + std::to_string(code) + "/screen" + std::to_string(screenHeight);
            auto *registered = benchmark::RegisterBenchmark(name.c_str(), benchmark, code, screenHeight);
            registered->Unit(unit)->Repetitions(repetitions)->ReportAggregatesOnly(true);
            if (manualTime)
                registered->UseManualTime();
        }
    }
}

inline int RunRegisteredBenchmarks(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
