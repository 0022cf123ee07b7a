// Cost of "Výpočet": the whole run on the largest project, its growth with the
// point counts, and the indexed station lookup against the plain scan from row 1.
#include "largest_project.h"

#include "evaluation/derivative_table.h"
#include "evaluation/evaluation_run.h"
#include "evaluation/parsed_input_cache.h"
#include "evaluation/station_lookup.h"
#include "model/numbers.h"
#include "model/project.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr char kSep = ',';

std::unique_ptr<kvor::Project> fullProject(int linePoints, int tendonPoints)
{
    return kvor::bench::makeProject(linePoints, tendonPoints, kSep);
}

// The whole run on a project whose result tables are still in their initial
// size, as at the first "Výpočet" of a session.
void runFresh(benchmark::State& state, int linePoints, int tendonPoints)
{
    const auto input = fullProject(linePoints, tendonPoints);
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<kvor::Project>(*input);
        kvor::forgetKeptInput();  // nothing parsed by an earlier iteration
        state.ResumeTiming();
        kvor::evaluateProject(*p, kSep);
        benchmark::DoNotOptimize(p->results.value[4][4]);
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.counters["points"] = static_cast<double>(linePoints);
}

void BM_EvaluateLargestProject(benchmark::State& state) { runFresh(state, kvor::bench::kLargestLinePoints, kvor::bench::kLargestTendonPoints); }
BENCHMARK(BM_EvaluateLargestProject)->Unit(benchmark::kMillisecond)->Iterations(3);

// A second run over the same project reuses the tables of the first, and the
// parsed lines, slopes and tendon loads it kept.
void BM_EvaluateLargestProjectAgain(benchmark::State& state)
{
    auto p = fullProject(kvor::bench::kLargestLinePoints, kvor::bench::kLargestTendonPoints);
    kvor::evaluateProject(*p, kSep);
    for (auto _ : state) {
        kvor::evaluateProject(*p, kSep);
        benchmark::DoNotOptimize(p->results.value[4][4]);
    }
}
BENCHMARK(BM_EvaluateLargestProjectAgain)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EvaluateScaling(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    runFresh(state, n, n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_EvaluateScaling)
    ->Arg(1000)->Arg(4000)->Arg(16000)->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The lookup as the rule is worded: scan from row 1, parsing each station when
// it is reached. Kept here only, as the yardstick of the index.
long double literalLookup(const kvor::TextTable& table, long double x)
{
    int j = 1;
    while (kvor::toNumber(table.cell(j, 0), kSep) < x)
        ++j;
    if (j == 1)
        return kvor::toNumber(table.cell(1, 1), kSep);
    const long double right = kvor::toNumber(table.cell(j, 1), kSep);
    const long double left = kvor::toNumber(table.cell(j - 1, 1), kSep);
    const long double s1 = kvor::toNumber(table.cell(j, 0), kSep);
    const long double s0 = kvor::toNumber(table.cell(j - 1, 0), kSep);
    return kvor::checkedDivide(right - left, s1 - s0) * (x - s0) + left;
}

// Ordinates and slopes of every point of one tendon on one quantity: the part
// of the run that the lookup decides.
struct LookupInput {
    kvor::TextTable line, slopes;
    std::vector<long double> stations;
    explicit LookupInput(int n)
    {
        const auto project = fullProject(n, n);
        line = project->quantities[2].line;
        kvor::buildDerivativeTable(line, slopes, kSep);
        const kvor::TextTable& tendon = project->tendons[2].points;
        for (int i = 1; i <= n; ++i)
            stations.push_back(kvor::toNumber(tendon.cell(i, 0), kSep));
    }
};

void BM_LookupIndexed(benchmark::State& state)
{
    const LookupInput in(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const kvor::StationIndex line(in.line, kSep), slopes(in.slopes, kSep);
        long double sum = 0;
        for (long double x : in.stations)
            sum += kvor::lookupAtStation(line, x).value + kvor::lookupAtStation(slopes, x).value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LookupIndexed)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

void BM_LookupLiteralScan(benchmark::State& state)
{
    const LookupInput in(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        long double sum = 0;
        for (long double x : in.stations)
            sum += literalLookup(in.line, x) + literalLookup(in.slopes, x);
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LookupLiteralScan)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
