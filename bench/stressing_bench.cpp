// Cost of the forces from stressing on the largest tendon a project can hold:
// a composite parabola of 327 segments, 100 chords each (32701 points),
// stressed from both ends with friction, wobble and anchorage set.
#include "model/numbers.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_store.h"

#include <benchmark/benchmark.h>

namespace {

constexpr char kSep = ',';

kvor::TendonSlot largestStressedTendon()
{
    constexpr int segments = 327;
    kvor::TextTable store(segments + 2, 4);
    for (int r = 1; r <= segments + 1; ++r)
        store.setRow(r, {kvor::formatInteger(10LL * (r - 1)), r % 2 ? "0,3" : "-0,2", "-2000",
                         r <= segments ? (r % 2 ? "-0,25" : "0,35") : ""});
    kvor::TendonSlot slot;
    slot.shown = true;
    kvor::storeParabolicTendon(slot, kvor::TendonType::CompositeParabolic, store, "100");
    slot.stressing = kvor::defaultStressing(kSep);
    slot.stressing->end = "LR";
    slot.stressing->jackingForce = "2800";
    slot.stressing->area = "1800";
    return slot;
}

void BM_StressingForcesOfTheLargestTendon(benchmark::State& state)
{
    const kvor::TendonSlot slot = largestStressedTendon();
    for (auto _ : state) {
        const kvor::TendonStressingOutcome out = kvor::stressTendon(slot, kSep);
        benchmark::DoNotOptimize(out.forces.initial.back());
    }
}
BENCHMARK(BM_StressingForcesOfTheLargestTendon)->Unit(benchmark::kMillisecond);

// The same without forming the polygon's texts and reading them back: the
// friction, the set and the segments' means alone.
void BM_StressingFrictionAndSetOnly(benchmark::State& state)
{
    const kvor::TendonSlot slot = largestStressedTendon();
    const kvor::TendonPath path = kvor::tendonPath(slot, kSep);
    const kvor::StressingValues values = *kvor::checkStressing(*slot.stressing, kSep).values;
    for (auto _ : state) {
        const kvor::StressingResult result = kvor::computeStressingForces(path, values);
        benchmark::DoNotOptimize(result.forces.initial.back());
    }
}
BENCHMARK(BM_StressingFrictionAndSetOnly)->Unit(benchmark::kMillisecond);

}  // namespace
