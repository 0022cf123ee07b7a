#include "tendons/stored_tendon_check.h"

#include "tendons/parabolic_checks.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_dialog_state.h"
#include "tendons/tendon_store.h"

#include <string>

namespace kvor {

namespace {

using Fault = std::optional<TendonFault>;

// The columns of the store table.
constexpr int kStoreStation = 0;
constexpr int kStoreEccentricity = 1;
constexpr int kStoreForce = 2;

TendonFault fault(std::string message, int row = 0, int column = -1)
{
    return {Report{std::move(message), Beep::None, {}, std::nullopt}, row, column};
}

// The first report of a field check, placed at the store's cell of that field.
Fault atCell(const Reports& reports, int row, int column)
{
    if (reports.empty())
        return std::nullopt;
    return TendonFault{reports.front(), row, column};
}

Fault checkStraight(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    const TextTable& store = slot.points;
    if (store.rowCount() != 3)
        return fault("přímý kabel má mít právě 2 body");
    if (store.cell(1, kStoreEccentricity) != store.cell(2, kStoreEccentricity))
        return fault("přímý kabel má mít v obou bodech stejnou excentricitu i předpínací sílu", 2, kStoreEccentricity);
    if (store.cell(1, kStoreForce) != store.cell(2, kStoreForce))
        return fault("přímý kabel má mít v obou bodech stejnou excentricitu i předpínací sílu", 2, kStoreForce);
    const StraightTendonInput input = straightInputFromStore(slot);
    TendonSlot scratch;
    if (auto incomplete = storeTendon(scratch, input))
        return TendonFault{*incomplete, 0, -1};
    if (Fault f = atCell(checkFirstAnchorage(input.s1, beam, sep), 1, kStoreStation))
        return f;
    if (Fault f = atCell(checkSecondAnchorage(input.s1, input.s2, beam, sep), 2, kStoreStation))
        return f;
    if (Fault f = atCell(checkEccentricity(input.e, section, sep), 1, kStoreEccentricity))
        return f;
    return atCell(checkForce(input.n, sep), 1, kStoreForce);
}

Fault checkBroken(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    const TextTable& store = slot.points;
    const int m = store.rowCount() - 1;
    if (m < kMinPointCount || m > kMaxPointCount)
        return fault("lomený kabel má mít 2 až " + std::to_string(kMaxPointCount) + " bodů");
    if (store.cell(m, kStoreForce) != store.cell(m - 1, kStoreForce))
        return fault("poslední bod lomeného kabelu má mít předpínací sílu posledního úseku", m, kStoreForce);
    TextTable points, forces;
    loadBrokenTendonTables(slot, points, forces);
    if (auto incomplete = incompleteBrokenTendon(BrokenTendonInput{points, forces}))
        return TendonFault{*incomplete, 0, -1};
    // The point table holds the store's stations and eccentricities row for
    // row, the force table the force of the segment starting at each row.
    std::vector<TendonFault> pointFaults = findPointTableFaults(points, beam, section, sep);
    if (!pointFaults.empty())
        return std::move(pointFaults.front());
    if (Fault f = findSegmentForceFault(forces, sep)) {
        f->column = kStoreForce;
        return f;
    }
    return std::nullopt;
}

// A parabolic tendon's fault on the store's cells: its point table holds the
// stations and eccentricities, its segment table the force and the
// mid-eccentricity of the segment starting at each row; of the type 2 fields,
// the first point's and the segment's sit in row 1, the second point's in row 2.
Fault checkParabolic(const TendonSlot& slot, const BeamModel& beam, const CrossSection& section, char sep)
{
    namespace fields = parabolic_fields;
    Fault found = checkParabolicTendon(slot.type, slot.points, slot.divisions, beam, section, sep);
    if (!found)
        return std::nullopt;
    TendonFault& f = *found;
    const Field at = f.report.focus;
    if (at == fields::kSegmentTable)
        f.column = f.column == 0 ? kStoreForce : kMidEccentricityColumn;
    else if (at == fields::kX1 || at == fields::kX2)
        f = {f.report, at == fields::kX1 ? 1 : 2, kStoreStation};
    else if (at == fields::kE1 || at == fields::kE2)
        f = {f.report, at == fields::kE1 ? 1 : 2, kStoreEccentricity};
    else if (at == fields::kMid)
        f = {f.report, 1, kMidEccentricityColumn};
    else if (at == fields::kForce)
        f = {f.report, 1, kStoreForce};
    else if (at != fields::kPointTable)
        f = {f.report, 0, -1};  // D, the point count, the polygon's size
    return found;
}

}  // namespace

std::optional<TendonFault> checkStoredTendon(const TendonSlot& slot, const BeamModel& beam,
                                             const CrossSection& section, char sep)
{
    switch (slot.type) {
    case TendonType::Straight:
        return checkStraight(slot, beam, section, sep);
    case TendonType::Broken:
        return checkBroken(slot, beam, section, sep);
    case TendonType::None:
        return fault("kabel nemá zvolený typ");
    default:
        return checkParabolic(slot, beam, section, sep);
    }
}

}  // namespace kvor
