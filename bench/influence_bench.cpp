// Reading an influence-line file: the whole file in one go, one parse and one
// format per number, so the cost must grow linearly with the number count.
#include "influence/influence_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// A file of `count` numbers, one point per line: rising stations, varied ordinates.
std::filesystem::path writeInfluenceFile(long count)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("kvor_influence_bench_" + std::to_string(getpid()) + "_" + std::to_string(count) + ".txt");
    std::ofstream out(path, std::ios::binary);
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> ordinate(-5.0, 5.0);
    char line[96];
    for (long i = 0; i < count / 2; ++i) {
        const int n = std::snprintf(line, sizeof line, "%.4f %.10g\r\n", static_cast<double>(i) * 0.001, ordinate(rng));
        out.write(line, n);
    }
    return path;
}

void BM_ReadInfluenceFile(benchmark::State& state)
{
    const auto path = writeInfluenceFile(state.range(0));
    for (auto _ : state) {
        kvor::TextTable table(3, 2);  // the dialog's starting table: every row is new
        kvor::readInfluenceFile(path.string(), table, ',');
        benchmark::DoNotOptimize(table.rowCount());
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadInfluenceFile)
    ->Arg(250'000)->Arg(500'000)->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
