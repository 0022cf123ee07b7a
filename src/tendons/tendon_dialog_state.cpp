#include "tendons/tendon_dialog_state.h"

#include "model/numbers.h"
#include "structure/beam.h"

#include <algorithm>

namespace kvor {

TendonPanel panelForType(TendonType type)
{
    switch (type) {
    case TendonType::Straight:
        return TendonPanel::Straight;
    case TendonType::Broken:
        return TendonPanel::Broken;
    case TendonType::SimpleParabolic:
        return TendonPanel::SimpleParabolic;
    case TendonType::CompositeParabolic:
    case TendonType::Combined:
        return TendonPanel::ParabolicTables;
    case TendonType::None:
        break;
    }
    return TendonPanel::None;
}

std::string tendonDialogTitle(int slot)
{
    return "Zadání " + formatInteger(slot) + ".předpínacího kabelu";
}

std::string tendonTypeLine(std::string_view typeText)
{
    return "Typ předpínacího kabelu: " + std::string(typeText);
}

std::optional<Report> checkTendonTypeChosen(const TendonSlot& slot, int slotNumber)
{
    if (!slot.typeText.empty())
        return std::nullopt;
    // Slots 1 and 4 report without a beep, the others with one after the message.
    const bool beeps = slotNumber == 2 || slotNumber == 3 || slotNumber == 5;
    return Report{"Vyberte typ " + formatInteger(slotNumber) + ".předpínacího kabelu!",
                  beeps ? Beep::AfterMessage : Beep::None, nthField(Field::TendonType1, slotNumber - 1),
                  std::nullopt};
}

bool tendonDialogOpens(const Project& project, const TendonSlot& slot)
{
    return structureEntered(project) || slot.entered();
}

void writeBrokenTendonHeadings(TextTable& points, TextTable& forces)
{
    points.setRow(0, {"  Staničení [m]", "  Excentricita [m]"});
    forces.setCell(0, 0, "  Předp. síla [kN]");
}

namespace {
constexpr TendonTablesLayout kBrokenTables{1, writeBrokenTendonHeadings};
}  // namespace

int resizeTendonTables(TextTable& points, TextTable& segments, const TendonTablesLayout& layout,
                       std::string_view countText)
{
    const int m = std::clamp<int>(toInteger(countText), kMinPointCount, kMaxPointCount);
    points.resize(m + 1, 2);
    segments.resize(m, layout.segmentColumns);
    layout.writeHeadings(points, segments);
    return m;
}

void newTendonTables(TextTable& points, TextTable& segments, const TendonTablesLayout& layout, int m)
{
    points = TextTable(m + 1, 2);
    segments = TextTable(m, layout.segmentColumns);
    layout.writeHeadings(points, segments);
}

int storedPointCount(const TendonSlot& slot) { return std::max(slot.points.rowCount() - 1, 1); }

int rebuildBrokenTendonTables(TextTable& points, TextTable& forces, std::string_view countText)
{
    return resizeTendonTables(points, forces, kBrokenTables, countText);
}

void resetBrokenTendonTables(TextTable& points, TextTable& forces)
{
    newTendonTables(points, forces, kBrokenTables, kMinPointCount);
}

StraightTendonInput straightInputFromStore(const TendonSlot& slot)
{
    const TextTable& store = slot.points;
    return {std::string(store.cell(1, 0)), std::string(store.cell(2, 0)), std::string(store.cell(1, 1)),
            std::string(store.cell(1, 2))};
}

int loadBrokenTendonTables(const TendonSlot& slot, TextTable& points, TextTable& forces)
{
    const TextTable& store = slot.points;
    const int m = storedPointCount(slot);
    newTendonTables(points, forces, kBrokenTables, m);
    // The stations and eccentricities are the store's own columns, held
    // together until either table is edited (a store without points has none).
    points.shareColumn(0, store, 0);
    points.shareColumn(1, store, 1);
    for (int r = 1; r < m; ++r)
        forces.setCell(r, 0, store.cell(r, 2));
    return m;
}

}  // namespace kvor
