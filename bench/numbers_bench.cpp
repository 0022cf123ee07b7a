// Throughput of the number text module, on the hot path of every evaluation.
#include "model/numbers.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<long double> sampleValues()
{
    std::mt19937_64 rng(1);
    std::uniform_real_distribution<double> v(-1000.0, 1000.0);
    std::vector<long double> out(4096);
    for (auto& x : out)
        x = static_cast<long double>(v(rng)) / 3.0L;
    return out;
}

void BM_FormatNumber(benchmark::State& state)
{
    const auto values = sampleValues();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::formatNumber(values[i++ & 4095], ','));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatNumber);

void BM_ParseNumber(benchmark::State& state)
{
    const auto values = sampleValues();
    std::vector<std::string> texts;
    for (long double x : values)
        texts.push_back(kvor::formatNumber(x, ','));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::parseNumber(texts[i++ & 4095], ','));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumber);

}  // namespace

BENCHMARK_MAIN();
