#include "tendons/parabolic_store.h"

#include "model/numbers.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_dialog_state.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr const char* kIncomplete = "Zadejte parametry předpínacího kabelu";

TextTable emptyStore(int points)
{
    TextTable store(points + 1, 4);
    store.setRow(0, {"Staničení", "Excentricita", "Předpínací síla", kMidEccentricityHeading});
    return store;
}

constexpr TendonTablesLayout kParabolicTables{2, writeParabolicHeadings};

}  // namespace

TextTable parabolicStoreTable(const SimpleParabolicInput& in)
{
    TextTable store = emptyStore(2);
    store.setRow(1, {in.x1, in.e1, in.n, in.mid});
    store.setRow(2, {in.x2, in.e2, in.n, ""});
    return store;
}

TextTable parabolicStoreTable(const ParabolicTablesInput& in)
{
    const int m = std::max(in.points.rowCount() - 1, 0);
    TextTable store = emptyStore(m);
    for (int r = 1; r <= m; ++r) {
        // The last point has no segment of its own: it repeats the last force.
        const int segment = r < m ? r : m - 1;
        store.setRow(r, {in.points.cell(r, 0), in.points.cell(r, 1), in.segments.cell(segment, 0),
                         r < m ? in.segments.cell(r, 1) : std::string_view()});
    }
    return store;
}

std::optional<Report> checkParabolicComplete(const SimpleParabolicInput& in)
{
    for (const std::string* field : {&in.x1, &in.e1, &in.x2, &in.e2, &in.mid, &in.n, &in.divisions})
        if (field->empty())
            return Report{kIncomplete, Beep::None, Field::ParabolaFirstStation, std::nullopt};
    return std::nullopt;
}

std::optional<Report> checkParabolicComplete(const ParabolicTablesInput& in)
{
    if (in.points.rowCount() < 3 || in.points.cell(1, 0).empty() || in.segments.cell(1, 0).empty())
        return Report{kIncomplete, Beep::None, Field::ParabolaPoints, std::nullopt};
    return std::nullopt;
}

void storeParabolicTendon(TendonSlot& slot, TendonType type, TextTable store, std::string_view divisions)
{
    slot.points = std::move(store);
    slot.divisions = std::string(divisions);
    slot.type = type;
    slot.status = SlotStatus::Entered;
}

void writeParabolicHeadings(TextTable& points, TextTable& segments)
{
    points.setRow(0, {"  Staničení [m]", "  Excentricita [m]"});
    segments.setRow(0, {"  Předp. síla [kN]", "  Excentr. uprostřed [m]"});
}

int rebuildParabolicTables(TextTable& points, TextTable& segments, std::string_view countText)
{
    return resizeTendonTables(points, segments, kParabolicTables, countText);
}

void resetParabolicTables(TextTable& points, TextTable& segments)
{
    newTendonTables(points, segments, kParabolicTables, kMinPointCount);
}

SimpleParabolicInput simpleParabolicInputFromStore(const TendonSlot& slot)
{
    const TextTable& s = slot.points;
    return {std::string(s.cell(1, 0)), std::string(s.cell(1, 1)), std::string(s.cell(2, 0)),
            std::string(s.cell(2, 1)), std::string(s.cell(1, kMidEccentricityColumn)),
            std::string(s.cell(1, 2)), slot.divisions};
}

int loadParabolicTables(const TendonSlot& slot, TextTable& points, TextTable& segments)
{
    const TextTable& store = slot.points;
    const int m = storedPointCount(slot);
    newTendonTables(points, segments, kParabolicTables, m);
    for (int r = 1; r <= m; ++r) {
        points.setRow(r, {store.cell(r, 0), store.cell(r, 1)});
        if (r < m)
            segments.setRow(r, {store.cell(r, 2), store.cell(r, kMidEccentricityColumn)});
    }
    return m;
}

}  // namespace kvor
