#include "model/slots.h"

namespace kvor {

namespace {

// Shown or hidden, a slot starts again as not entered and not drawn.
template <class Slot>
void setShown(Slot& slot, bool shown)
{
    slot.shown = shown;
    slot.status = SlotStatus::NotEntered;
    slot.draw = false;
}

}  // namespace

void hideSlot(QuantitySlot& slot) { setShown(slot, false); }

void hideSlot(TendonSlot& slot)
{
    setShown(slot, false);
    slot.typeText.clear();
}

void showSlot(QuantitySlot& slot) { setShown(slot, true); }

void showSlot(TendonSlot& slot) { setShown(slot, true); }

namespace {

template <typename Slots>
int addRow(Slots& slots)
{
    for (int k = 1; k <= 3; ++k) {
        if (!slots[k].shown) {
            showSlot(slots[k]);
            return k;
        }
    }
    showSlot(slots[4]);
    return 4;
}

template <typename Slots>
int removeRow(Slots& slots)
{
    for (int k = 4; k >= 1; --k) {
        if (slots[k].shown) {
            hideSlot(slots[k]);
            return k;
        }
    }
    return -1;
}

template <typename Slots>
int countShown(const Slots& slots)
{
    int n = 0;
    for (const auto& s : slots)
        n += s.shown ? 1 : 0;
    return n;
}

}  // namespace

int addSlotRow(std::array<QuantitySlot, kSlotCount>& slots) { return addRow(slots); }
int addSlotRow(std::array<TendonSlot, kSlotCount>& slots) { return addRow(slots); }
int removeSlotRow(std::array<QuantitySlot, kSlotCount>& slots) { return removeRow(slots); }
int removeSlotRow(std::array<TendonSlot, kSlotCount>& slots) { return removeRow(slots); }
int shownRowCount(const std::array<QuantitySlot, kSlotCount>& slots) { return countShown(slots); }
int shownRowCount(const std::array<TendonSlot, kSlotCount>& slots) { return countShown(slots); }

void storeInfluenceLine(QuantitySlot& slot, const TextTable& entryTable, EntryMode mode,
                        std::string_view sourceFile, std::string station)
{
    TextTable stored(entryTable.rowCount(), 2);
    stored.setRow(0, {"Staničení [m]", "Pořadnice"});
    for (int r = 1; r < entryTable.rowCount(); ++r) {
        stored.setCell(r, 0, entryTable.cell(r, 0));
        stored.setCell(r, 1, entryTable.cell(r, 1));
    }
    slot.line = std::move(stored);
    slot.entryMode = mode;
    if (mode == EntryMode::FromFile)
        slot.sourceFile = std::string(sourceFile);
    slot.station = std::move(station);
    slot.generator = {};
    slot.status = SlotStatus::Entered;
}

void storeGeneratedLine(QuantitySlot& slot, const TextTable& entryTable, std::string station,
                        LineGeneratorParameters generator)
{
    storeInfluenceLine(slot, entryTable, EntryMode::Generated, {}, std::move(station));
    slot.generator = std::move(generator);
}

void setInfoFromFile(ProjectInfo& info, std::string name, std::string description,
                     std::string author, std::string createdOn)
{
    info.name = std::move(name);
    info.description = std::move(description);
    info.author = std::move(author);
    info.createdOn = std::move(createdOn);
    info.readOnly = true;
}

}  // namespace kvor
