// One Calculate (101 points) and one fine run (5001 points) against the bare exp() calls they
// need: two per conformer and point.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "core/population.h"

namespace {

using torvi::core::CalculationInput;

CalculationInput input(int conformers) {
    CalculationInput result{std::to_string(conformers), "223,15", "303,15", {}};
    for (int i = 0; i < conformers; ++i) result.energyTexts.push_back(std::to_string(i) + ",37");
    return result;
}

void calculate(benchmark::State& state) {
    const CalculationInput entries = input(static_cast<int>(state.range(0)));
    torvi::core::CalculationState record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvi::core::calculatePopulations(entries, record));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(calculate)->Arg(1)->Arg(2)->Arg(10);

void fineCalculate(benchmark::State& state) {
    const CalculationInput entries = input(static_cast<int>(state.range(0)));
    auto record = std::make_unique<torvi::core::HpgState>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvi::core::calculatePopulations(entries, *record, {1.0, true}));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(fineCalculate)->Arg(1)->Arg(2)->Arg(10);

// The exp() calls of a run with the same arguments, and nothing else.
void bareExp(benchmark::State& state, int steps) {
    const int conformers = static_cast<int>(state.range(0));
    for (auto _ : state) {
        double sum = 0;
        for (int j = 0; j <= steps; ++j) {
            const double temperature = 223.15 + j * (80.0 / steps);
            for (int i = 0; i < 2 * conformers; ++i) {
                sum += std::exp(-(i / 2) * 1000.0 / (1.98717 * temperature));
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
void bareExpCalculate(benchmark::State& state) {
    bareExp(state, 100);
}
void bareExpFine(benchmark::State& state) {
    bareExp(state, 5000);
}
BENCHMARK(bareExpCalculate)->Arg(1)->Arg(2)->Arg(10);
BENCHMARK(bareExpFine)->Arg(1)->Arg(2)->Arg(10);

}  // namespace

BENCHMARK_MAIN();
