#include "stressing/stressing_chart_data.h"

#include <algorithm>
#include <cmath>

namespace kvor {
namespace {

// The points the curves are drawn through, at least, over the whole tendon.
constexpr long double kCurveSamples = 400;

// The path with points added inside its segments, each piece keeping the
// friction path of its segment: a straight segment's pieces its slope, a
// parabola's chord pieces the slope running linearly along the chord, as the
// friction path takes it.
TendonPath refinedPath(const TendonPath& path)
{
    const auto& points = path.points;
    const long double length = points.back().x - points.front().x;
    TendonPath fine;
    fine.points.push_back(points.front());
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const PathPoint& from = points[k];
        const PathPoint& to = points[k + 1];
        const long double share = length > 0 ? (to.x - from.x) / length : 0;
        const int pieces = std::max(1, static_cast<int>(std::ceil(share * kCurveSamples)));
        for (int i = 1; i <= pieces; ++i) {
            PathPoint p = to;
            if (i < pieces) {
                const long double t = static_cast<long double>(i) / pieces;
                const long double slope = from.slopeOut + (to.slopeIn - from.slopeOut) * t;
                p = {from.x + (to.x - from.x) * t, from.e + (to.e - from.e) * t, slope, slope};
            }
            fine.points.push_back(p);
            fine.curved.push_back(path.curved[k]);
            fine.definitionSegment.push_back(path.definitionSegment.empty() ? 0 : path.definitionSegment[k]);
        }
    }
    return fine;
}

ChartSeries curve(const char* name, ChartColour colour, const TendonPath& path,
                  const std::vector<long double>& values)
{
    ChartSeries s{name, colour, {}};
    const size_t n = std::min(path.points.size(), values.size());
    s.points.reserve(n);
    for (size_t i = 0; i < n; ++i)
        s.points.push_back({path.points[i].x, values[i]});
    return s;
}

}  // namespace

std::vector<ChartSeries> stressingChartSeries(const TendonStressingOutcome& outcome)
{
    const TendonPath& path = outcome.path;
    const StressingForces& forces = outcome.forces;
    std::vector<ChartSeries> series;
    if (path.points.size() < 2 || forces.initial.size() + 1 != path.points.size())
        return series;

    ChartSeries steps{"segmentForces", ChartColour::Green, {}};
    steps.points.reserve(2 * forces.initial.size());
    for (size_t k = 0; k < forces.initial.size(); ++k) {
        steps.points.push_back({path.points[k].x, forces.initial[k]});
        steps.points.push_back({path.points[k + 1].x, forces.initial[k]});
    }
    series.push_back(std::move(steps));

    // A long polygon is fine enough as it is.
    if (static_cast<long double>(path.points.size()) > kCurveSamples) {
        series.push_back(curve("beforeSet", ChartColour::Blue, path, forces.beforeSet));
        series.push_back(curve("afterSet", ChartColour::Red, path, forces.afterSet));
        return series;
    }
    const TendonPath fine = refinedPath(path);
    const StressingResult sampled = computeStressingForces(fine, outcome.values);
    const bool ok = sampled.fault.empty();
    series.push_back(ok ? curve("beforeSet", ChartColour::Blue, fine, sampled.forces.beforeSet)
                        : curve("beforeSet", ChartColour::Blue, path, forces.beforeSet));
    series.push_back(ok ? curve("afterSet", ChartColour::Red, fine, sampled.forces.afterSet)
                        : curve("afterSet", ChartColour::Red, path, forces.afterSet));
    return series;
}

}  // namespace kvor
