// The benchmarks' main: a QApplication on the offscreen platform for the window benchmarks, then Google
// Benchmark with its usual command line.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "desktop/desktop_defaults.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
