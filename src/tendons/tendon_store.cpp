#include "tendons/tendon_store.h"

#include <algorithm>

namespace kvor {
namespace {

constexpr const char* kIncomplete = "Zadejte parametry předpínacího kabelu";

void writeHeadings(TextTable& store)
{
    store.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
}

void markStored(TendonSlot& slot, TendonType type)
{
    slot.type = type;
    slot.status = SlotStatus::Entered;
    slot.divisions.clear();  // D belongs to a parabolic definition only
}

}  // namespace

std::optional<Report> storeTendon(TendonSlot& slot, const StraightTendonInput& in)
{
    if (in.s1.empty() || in.s2.empty() || in.e.empty() || in.n.empty())
        return Report{kIncomplete, Beep::None, Field::StraightFirstStation, std::nullopt};

    TextTable& store = slot.points;
    store.resize(3, 3);
    writeHeadings(store);
    // Both anchorages carry the one eccentricity and force of the tendon.
    store.setRow(1, {in.s1, in.e, in.n});
    store.setRow(2, {in.s2, in.e, in.n});
    markStored(slot, TendonType::Straight);
    return std::nullopt;
}

std::optional<Report> incompleteBrokenTendon(const BrokenTendonInput& in)
{
    // A polygon needs two points: a shorter table (a point count typed below 2)
    // counts as incomplete rather than storing a tendon without a segment.
    if (in.points.cell(1, 0).empty() || in.forces.cell(1, 0).empty() || in.points.rowCount() - 1 < 2)
        return Report{kIncomplete, Beep::None, Field::BrokenPoints, std::nullopt};
    return std::nullopt;
}

TextTable brokenStoreTable(const BrokenTendonInput& in)
{
    const int m = std::max(in.points.rowCount() - 1, 0);
    TextTable store(m + 1, 3);
    writeHeadings(store);
    for (int r = 1; r <= m; ++r) {
        // Each force belongs to the segment that starts at its row; the last
        // point has no segment of its own and repeats the last segment's force.
        const int segment = r < m ? r : m - 1;
        store.setRow(r, {in.points.cell(r, 0), in.points.cell(r, 1), in.forces.cell(segment, 0)});
    }
    return store;
}

std::optional<Report> storeTendon(TendonSlot& slot, const BrokenTendonInput& in)
{
    if (auto incomplete = incompleteBrokenTendon(in))
        return incomplete;
    slot.points = brokenStoreTable(in);
    markStored(slot, TendonType::Broken);
    return std::nullopt;
}

}  // namespace kvor
