// Cost of the forces from stressing on the largest tendon a project can hold,
// a composite parabola stressed from both ends with friction, wobble and
// anchorage set: 6553 segments of 5 chords (32766 points, the most a polygon
// may have), and 327 segments of 100 chords (32701 points), each segment
// 10 m long. Goal: under 20 ms.
#include "model/numbers.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_store.h"

#include <benchmark/benchmark.h>

namespace {

constexpr char kSep = ',';

kvor::TendonSlot largestStressedTendon(const benchmark::State& state)
{
    const int segments = static_cast<int>(state.range(0));
    const long long divisions = state.range(1);
    kvor::TextTable store(segments + 2, 4);
    for (int r = 1; r <= segments + 1; ++r)
        store.setRow(r, {kvor::formatInteger(10LL * (r - 1)), r % 2 ? "0,3" : "-0,2", "-2000",
                         r <= segments ? (r % 2 ? "-0,25" : "0,35") : ""});
    kvor::TendonSlot slot;
    slot.shown = true;
    kvor::storeParabolicTendon(slot, kvor::TendonType::CompositeParabolic, store, kvor::formatInteger(divisions));
    slot.stressing = kvor::defaultStressing(kSep);
    slot.stressing->end = "LR";
    slot.stressing->jackingForce = "2800";
    slot.stressing->area = "1800";
    return slot;
}

// The whole call (reading the store, forming the path, friction, set, means
// and warnings) as a caller that keeps a StressingWorkspace makes it.
void BM_StressingForcesOfTheLargestTendon(benchmark::State& state)
{
    const kvor::TendonSlot slot = largestStressedTendon(state);
    kvor::StressingWorkspace workspace;
    for (auto _ : state) {
        const kvor::TendonStressingOutcome& out = workspace.stress(slot, kSep);
        benchmark::DoNotOptimize(out.forces.initial.back());
    }
}
BENCHMARK(BM_StressingForcesOfTheLargestTendon)->Args({6553, 5})->Args({327, 100})->Unit(benchmark::kMillisecond);

// The same through stressTendon, whose every call takes fresh memory.
void BM_StressingForcesFreshMemory(benchmark::State& state)
{
    const kvor::TendonSlot slot = largestStressedTendon(state);
    for (auto _ : state) {
        const kvor::TendonStressingOutcome out = kvor::stressTendon(slot, kSep);
        benchmark::DoNotOptimize(out.forces.initial.back());
    }
}
BENCHMARK(BM_StressingForcesFreshMemory)->Args({6553, 5})->Args({327, 100})->Unit(benchmark::kMillisecond);

// The same without reading the store and forming the path: the friction,
// the set and the segments' means alone.
void BM_StressingFrictionAndSetOnly(benchmark::State& state)
{
    const kvor::TendonSlot slot = largestStressedTendon(state);
    const kvor::TendonPath path = kvor::tendonPath(slot, kSep);
    const kvor::StressingValues values = *kvor::checkStressing(*slot.stressing, kSep).values;
    kvor::StressingResult result;
    kvor::FrictionSpace space;
    for (auto _ : state) {
        kvor::computeStressingForces(path, values, result, space);
        benchmark::DoNotOptimize(result.forces.initial.back());
    }
}
BENCHMARK(BM_StressingFrictionAndSetOnly)->Args({6553, 5})->Args({327, 100})->Unit(benchmark::kMillisecond);

}  // namespace
