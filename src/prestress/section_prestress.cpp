#include "prestress/section_prestress.h"

#include "model/numbers.h"

#include <cmath>

namespace kvor {

namespace {

void addStresses(SectionPrestress& result, const SectionValues& section)
{
    // kN/m² to MPa.
    const long double axial = checkedDivide(result.normalForce, section.area);
    const long double bending = checkedDivide(result.totalMoment, section.inertia);
    result.stressTop = checkedFinite((axial + bending * section.eTop) / 1000);
    result.stressBottom = checkedFinite((axial + bending * section.eBottom) / 1000);
}

}  // namespace

SectionPrestress prestressAtStation(const std::vector<PolygonPoint>& polygon, bool straight, long double station,
                                    long double totalMoment, const SectionValues& section)
{
    SectionPrestress result;
    if (polygon.size() < 2 || station < polygon.front().x || station > polygon.back().x)
        return result;
    // The segment that starts at or before X, the last one at the tendon's end.
    size_t k = 0;
    while (k + 2 < polygon.size() && polygon[k + 1].x <= station)
        ++k;
    const PolygonPoint& a = polygon[k];
    const PolygonPoint& b = polygon[k + 1];
    result.onTendon = true;
    if (straight) {
        result.normalForce = a.force;
        result.eccentricity = a.e;
    } else {
        const long double run = b.x - a.x;
        const long double alpha = std::atan2(a.e - b.e, run);
        result.normalForce = checkedFinite(a.force * std::cos(alpha));
        // A segment of no length (a jump at one station) stands at its start.
        result.eccentricity = run > 0 ? a.e + (b.e - a.e) * ((station - a.x) / run) : a.e;
    }
    result.primaryMoment = checkedFinite(result.normalForce * result.eccentricity);
    result.totalMoment = totalMoment;
    result.secondaryMoment = checkedFinite(totalMoment - result.primaryMoment);
    addStresses(result, section);
    return result;
}

SectionPrestress sumOfPrestress(const std::vector<SectionPrestress>& parts, const SectionValues& section)
{
    SectionPrestress sum;
    for (const SectionPrestress& part : parts) {
        sum.onTendon = sum.onTendon || part.onTendon;
        sum.normalForce += part.normalForce;
        sum.primaryMoment += part.primaryMoment;
        sum.secondaryMoment += part.secondaryMoment;
        sum.totalMoment += part.totalMoment;
    }
    sum.eccentricity = sum.normalForce != 0 ? checkedDivide(sum.primaryMoment, sum.normalForce) : 0;
    addStresses(sum, section);
    return sum;
}

}  // namespace kvor
