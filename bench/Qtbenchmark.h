// The main of a benchmark program that needs a QApplication (offscreen):
// `vorher` prepares what its benchmarks use (false: they do not run),
// `nachher` clears it away afterwards.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

#include "windows/Werkzeug.h"

namespace kartovex {

inline int QtBenchmarks(int argc, char** argv, const std::function<bool()>& vorher = {},
                        const std::function<void()>& nachher = {}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(Programmtitel);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (vorher && !vorher()) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (nachher) nachher();
    return 0;
}

} // namespace kartovex
