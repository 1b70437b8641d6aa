// The main of the benchmarks that need Qt: a QApplication on the offscreen platform, unless
// another platform is chosen, around Google Benchmark.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
