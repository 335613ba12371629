#pragma once
// Start and end of a benchmark that needs the application's windows.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "host/controls/Forms.h"

/// Starts the application (on the offscreen platform when there is no display: it paints all
/// the same) and runs the registered benchmarks; the caller prints and calls
/// TApplication::Finalize afterwards.
inline void RunGuiBenchmarks(int& argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application->Initialize(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
