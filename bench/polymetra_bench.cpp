// Micro-benchmarks of the calculation core: what one calculation costs per field.

#include "core/NumberFormatter.h"
#include "shapes2d/CircleSolver.h"

#include <benchmark/benchmark.h>

namespace {

void formatValue(benchmark::State& state)
{
    const NumberFormatter formatter(2, QLatin1Char('.'));
    const double values[] = {3.14159265358979, 0.000123456, 2e16, 1234567.891, 0.5};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.correctlyFormatTheString(values[i % 5]));
        ++i;
    }
}
BENCHMARK(formatValue);

void solveCircleFromArea(benchmark::State& state)
{
    double area = 10;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CircleSolver::solve(area, 0, 0, 0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(solveCircleFromArea);

} // namespace

BENCHMARK_MAIN();
