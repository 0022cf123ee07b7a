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

namespace {

// The tendon just left or just right of X: the segment that reaches past X on
// that side, P = N·cos α (a straight tendon level) and e linear along it.
struct SideOfStation {
    bool onTendon = false;
    long double normalForce = 0;
    long double eccentricity = 0;
};

enum class Side { Left, Right };

SideOfStation sideOfStation(const std::vector<PolygonPoint>& polygon, bool straight, long double station, Side side)
{
    SideOfStation result;
    for (size_t k = 0; k + 1 < polygon.size(); ++k) {
        const PolygonPoint& a = polygon[k];
        const PolygonPoint& b = polygon[k + 1];
        const bool reaches = side == Side::Left ? a.x < station && station <= b.x
                                                    : a.x <= station && station < b.x;
        if (!reaches)
            continue;
        result.onTendon = true;
        if (straight) {
            result.normalForce = a.force;
            result.eccentricity = a.e;
        } else {
            const long double run = b.x - a.x;
            result.normalForce = checkedFinite(a.force * std::cos(std::atan2(a.e - b.e, run)));
            result.eccentricity = station == b.x   ? b.e
                                  : station == a.x ? a.e
                                                   : a.e + (b.e - a.e) * ((station - a.x) / run);
        }
        return result;
    }
    return result;
}

}  // namespace

SectionPrestress prestressAtStation(const std::vector<PolygonPoint>& polygon, bool straight, long double station,
                                    long double totalMoment, const SectionValues& section)
{
    SectionPrestress result;
    const SideOfStation left = sideOfStation(polygon, straight, station, Side::Left);
    const SideOfStation right = sideOfStation(polygon, straight, station, Side::Right);
    if (!left.onTendon && !right.onTendon)
        return result;
    result.onTendon = true;
    const long double leftMoment = checkedFinite(left.normalForce * left.eccentricity);
    const long double rightMoment = checkedFinite(right.normalForce * right.eccentricity);
    if (left.onTendon && right.onTendon && left.normalForce == right.normalForce &&
        left.eccentricity == right.eccentricity) {
        // Inside a segment, the usual case.
        result.normalForce = right.normalForce;
        result.eccentricity = right.eccentricity;
        result.primaryMoment = rightMoment;
    } else {
        // At a point of the tendon (a kink, a change of force, an anchorage):
        // the evaluated M is the mean of the moments just left and right of
        // the point, so P and M1 are taken as the same mean; a side beyond the
        // tendon's end has neither.
        result.atPoint = true;
        result.normalForce = checkedFinite((left.normalForce + right.normalForce) / 2);
        result.primaryMoment = checkedFinite((leftMoment + rightMoment) / 2);
        if (left.onTendon && right.onTendon && left.eccentricity == right.eccentricity)
            result.eccentricity = left.eccentricity;  // a kink or a change of force
        else if (result.normalForce != 0)
            result.eccentricity = checkedDivide(result.primaryMoment, result.normalForce);
        else
            result.eccentricity = right.onTendon ? right.eccentricity : left.eccentricity;
    }
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
