// Generating an influence line from the beam: 15 unequal spans and 32750
// stations, for each kind. The support moments come from a precomputed
// inverse, so every station costs the same few operations plus the two
// 15-digit texts of its row; the target is under 50 ms per line.
#include "analysis/line_generator.h"

#include <benchmark/benchmark.h>

namespace {

kvor::LineRequest fifteenSpans(kvor::LineKind kind)
{
    kvor::LineRequest request;
    request.kind = kind;
    request.spans = {22, 24.5L, 21, 23.75L, 20, 25, 22.5L, 21.25L, 24, 23, 20.5L, 22.25L, 24.75L, 21.5L, 23.15L};
    long double total = 0;
    for (long double l : request.spans)
        total += l;
    // About 32750 rows: 32733 grid stations, 14 inner supports, the end L and X
    // (twice for the shear, none of its own for the reaction at support d).
    request.step = total / 32732.5L;
    request.station = kind == kvor::LineKind::Reaction ? 67.5L : 70.3L;
    request.ei = 4.5e6L;
    return request;
}

void BM_GenerateLine(benchmark::State& state)
{
    const auto request = fifteenSpans(static_cast<kvor::LineKind>(state.range(0)));
    size_t rows = 0;
    for (auto _ : state) {
        const auto line = kvor::generateLine(request);
        if (!line.fault.empty()) {
            state.SkipWithError(line.fault.c_str());
            break;
        }
        rows = line.points.size();
        benchmark::DoNotOptimize(line.points.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
// 0 M, 1 V, 2 R, 3 w, 4 fi
BENCHMARK(BM_GenerateLine)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
