// Cost of the loads' effects: five influence lines of the largest size under
// the uniform loads and a group of 20 axles, and the growth of the cost with
// the points of a line and the axles of the group.
#include "largest_project.h"

#include "loads/project_loads.h"

#include <benchmark/benchmark.h>

namespace {

constexpr char kSep = ',';

std::unique_ptr<kvor::Project> loadedProject(int linePoints, int axles)
{
    auto p = kvor::bench::makeProject(linePoints, 2, kSep);
    kvor::bench::addLoads(*p, axles, kSep);
    return p;
}

// Everything kvor-calc --loads computes: the lines read from their texts,
// the uniform loads and the group in both directions, on all cores.
void BM_LoadEffectsLargest(benchmark::State& state)
{
    const auto p = loadedProject(kvor::bench::kLargestLinePoints, kvor::bench::kLargestAxleCount);
    for (auto _ : state) {
        const auto effects = kvor::projectLoadEffects(*p, kSep);
        benchmark::DoNotOptimize(effects.data());
    }
}
BENCHMARK(BM_LoadEffectsLargest)->Unit(benchmark::kMillisecond)->UseRealTime();

// One line on one core: points (range 0) and axles (range 1).
void BM_GroupOnOneLine(benchmark::State& state)
{
    const auto p = loadedProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const kvor::LinePoints line = kvor::slotLinePoints(p->quantities[2], kSep);
    const kvor::LoadValues loads = kvor::loadValues(p->loads, kSep);
    for (auto _ : state) {
        const kvor::GroupExtremes e = kvor::groupExtremes(line, 100, loads.axles);
        benchmark::DoNotOptimize(e.plus.value);
    }
    state.counters["candidates"] = static_cast<double>(2 * state.range(0) * state.range(1));
}
BENCHMARK(BM_GroupOnOneLine)
    ->ArgsProduct({{4000, 16000, 32750}, {2, 5, 20}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
