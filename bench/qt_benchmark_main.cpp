// The main of the benchmarks that need Qt: a QApplication on the offscreen platform, unless
// another platform is chosen, around Google Benchmark. The program's settings (its zoom) go to a
// folder of the run's own, so that every figure starts at the design's size.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
