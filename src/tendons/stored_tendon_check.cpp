#include "tendons/stored_tendon_check.h"

#include "tendons/parabolic_checks.h"
#include "tendons/tendon_checks.h"
#include "tendons/tendon_dialog_state.h"
#include "tendons/tendon_store.h"

#include <string>

namespace kvor {

namespace {

constexpr int kEccentricity = 1;
constexpr int kForce = 2;

Reports fault(std::string message)
{
    return {Report{std::move(message), Beep::None, {}, std::nullopt}};
}

void append(Reports& to, Reports more)
{
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

Reports checkStraight(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    const TextTable& store = slot.points;
    if (store.rowCount() != 3)
        return fault("přímý kabel má mít právě 2 body");
    if (store.cell(1, kEccentricity) != store.cell(2, kEccentricity) ||
        store.cell(1, kForce) != store.cell(2, kForce))
        return fault("přímý kabel má mít v obou bodech stejnou excentricitu i předpínací sílu");
    const StraightTendonInput input = straightInputFromStore(slot);
    TendonSlot scratch;
    if (auto incomplete = storeTendon(scratch, input))
        return {*incomplete};
    Reports reports = checkFirstAnchorage(input.s1, beam, sep);
    append(reports, checkSecondAnchorage(input.s1, input.s2, beam, sep));
    append(reports, checkEccentricity(input.e, section, sep));
    append(reports, checkForce(input.n, sep));
    return reports;
}

Reports checkBroken(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    const TextTable& store = slot.points;
    const int m = store.rowCount() - 1;
    if (m < kMinPointCount || m > kMaxPointCount)
        return fault("lomený kabel má mít 2 až " + std::to_string(kMaxPointCount) + " bodů");
    if (store.cell(m, kForce) != store.cell(m - 1, kForce))
        return fault("poslední bod lomeného kabelu má mít předpínací sílu posledního úseku");
    TextTable points, forces;
    loadBrokenTendonTables(slot, points, forces);
    if (auto incomplete = incompleteBrokenTendon(BrokenTendonInput{points, forces}))
        return {*incomplete};
    Reports reports = checkPointTable(points, beam, section, sep);
    append(reports, checkSegmentForces(forces, sep));
    return reports;
}

}  // namespace

Reports checkStoredTendon(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    switch (slot.type) {
    case TendonType::Straight:
        return checkStraight(slot, beam, section, sep);
    case TendonType::Broken:
        return checkBroken(slot, beam, section, sep);
    case TendonType::None:
        return fault("kabel nemá zvolený typ");
    default:
        if (auto found = checkParabolicTendon(slot.type, slot.points, slot.divisions, beam, section, sep))
            return {found->report};
        return {};
    }
}

}  // namespace kvor
