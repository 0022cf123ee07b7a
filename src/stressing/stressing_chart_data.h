#pragma once
// The chart of the force along a stressed tendon, as data: the force before
// the anchorage set P, after it P′, and the mean force of every segment of the
// evaluated polygon as steps. Forces are positive here (the tendon's tension
// in kN), stations in metres.
//
// Series, drawn in this order (later on top):
//   "segmentForces"  (a, N), (b, N) of every segment, joined: steps     green
//   "beforeSet"      P along the tendon                                 blue
//   "afterSet"       P′ along the tendon                                red
//
// P and P′ are sampled at the polygon's points and, where the polygon is
// coarse, at points between them: a broken tendon of a few points would
// otherwise draw P′ as a chord that never meets P where the set ends.

#include "model/chart_series.h"
#include "stressing/tendon_stressing.h"

#include <vector>

namespace kvor {

std::vector<ChartSeries> stressingChartSeries(const TendonStressingOutcome& outcome);

}  // namespace kvor
