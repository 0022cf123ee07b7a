#include "results/data_section_checks.h"

#include "influence/entry_table.h"
#include "influence/table_checks.h"
#include "model/error.h"
#include "structure/beam.h"
#include "tendons/stored_tendon_check.h"

#include <algorithm>

namespace kvor {

namespace {

using Fault = std::optional<DataSectionFault>;

Fault at(int line, std::string message) { return DataSectionFault{line, std::move(message)}; }

std::optional<std::string> messageOf(const std::optional<Report>& report)
{
    return report ? std::optional(report->message) : std::nullopt;
}
std::optional<std::string> messageOf(const Reports& reports)
{
    return reports.empty() ? std::nullopt : std::optional(reports.front().message);
}

// The first fault a window's check reports, placed at `line`. The check's
// conversion failure (a length or fibre distance that is no number) is its
// fault too: the window would have shown it in the error box.
template <typename Check>
Fault checkAt(int line, Check&& check)
{
    try {
        if (std::optional<std::string> message = messageOf(check()))
            return at(line, std::move(*message));
    } catch (const Error& e) {
        return at(line, e.what());
    }
    return std::nullopt;
}

template <typename Slot>
bool anyMarkedEntered(const std::array<Slot, kSlotCount>& slots)
{
    return std::any_of(slots.begin(), slots.end(), [](const Slot& s) { return s.storeMark(); });
}

// The rows of one page as "Další", "Zpět" (of the rows) and the stores leave them.
template <typename Slot>
Fault checkSlotRows(const std::array<Slot, kSlotCount>& slots, const std::array<SlotItemLines, kSlotCount>& lines,
                    const char* what)
{
    for (size_t k = 0; k < slots.size(); ++k) {
        const Slot& slot = slots[k];
        const SlotItemLines& line = lines[k];
        const std::string name = std::to_string(k + 1) + ". " + what + ": ";
        if (k == 0 && !slot.shown)
            return at(line.shown, name + "první řádek je vždy zobrazen");
        if (k > 0 && slot.shown && !slots[k - 1].shown)
            return at(line.shown, name + "zobrazený řádek nesmí následovat za skrytým");
        if (!slot.shown && slot.storeMark())
            return at(line.status, name + "skrytý řádek nemůže být zadán");
        if (slot.draw && !slot.storeMark())
            return at(line.draw, name + "kreslit lze jen zadaný řádek");
    }
    return std::nullopt;
}

Fault checkBeam(const Project& project, const DataSectionLines& lines, char sep)
{
    const BeamModel& beam = project.beam;
    const int members = beam.members.rowCount() - 1;
    if (members < kMinMemberCount || members > kMaxMemberCount)
        return at(lines.members, "tabulka prutů má mít " + std::to_string(kMinMemberCount) + " až " +
                                     std::to_string(kMaxMemberCount) + " prutů");
    // A beam is checked as its page checks it once something stands on it; a
    // project that never got that far keeps its fields as typed.
    if (!anyMarkedEntered(project.quantities) && !anyMarkedEntered(project.tendons))
        return std::nullopt;
    if (beam.kind == BeamKind::Simple)
        return checkAt(lines.length, [&] { return checkSpan(beam, sep); });
    return checkAt(lines.members, [&] { return checkMemberLengths(beam, sep); });
}

// The rows of one page, then each slot in order with `checkSlot(name, slot, line)`,
// where name is "k. what: ".
template <typename Slot, typename CheckSlot>
Fault checkSlots(const std::array<Slot, kSlotCount>& slots, const std::array<SlotItemLines, kSlotCount>& lines,
                 const char* what, CheckSlot&& checkSlot)
{
    if (Fault f = checkSlotRows(slots, lines, what))
        return f;
    for (size_t k = 0; k < slots.size(); ++k)
        if (Fault f = checkSlot(std::to_string(k + 1) + ". " + what + ": ", slots[k], lines[k]))
            return f;
    return std::nullopt;
}

Fault checkQuantities(const Project& project, const DataSectionLines& lines, char sep)
{
    return checkSlots(project.quantities, lines.quantities, "příčinková čára",
                      [&](const std::string& name, const QuantitySlot& slot, const SlotItemLines& line) -> Fault {
                          if (!slot.storeMark())
                              return std::nullopt;
                          if (slot.entryMode == EntryMode::None)
                              return at(line.modeOrType, name + "zadaná čára nemá způsob zadání");
                          if (Fault f = checkAt(line.points, [&] { return checkLineEntered(slot.line); }))
                              return f;
                          return checkAt(line.points,
                                         [&] { return checkInfluenceTable(project.beam, slot.line, sep); });
                      });
}

Fault checkTendons(const Project& project, const DataSectionLines& lines, char sep)
{
    return checkSlots(project.tendons, lines.tendons, "kabel",
                      [&](const std::string& name, const TendonSlot& slot, const SlotItemLines& line) -> Fault {
                          if (!slot.shown && !slot.typeText.empty())
                              return at(line.typeText, name + "skrytý kabel nemá typ");
                          if (!slot.storeMark())
                              return std::nullopt;
                          // The type box is locked while the slot is entered: it names the stored type.
                          if (tendonTypeOf(slot.typeText) != slot.type)
                              return at(line.typeText, name + "typ kabelu neodpovídá uloženému tvaru kabelu");
                          return checkAt(line.points, [&] {
                              return checkStoredTendon(slot, project.beam, project.section, sep);
                          });
                      });
}

}  // namespace

std::optional<DataSectionFault> checkDataSectionInput(const Project& project, const DataSectionLines& lines,
                                                      char sep)
{
    if (Fault f = checkBeam(project, lines, sep))
        return f;
    if (Fault f = checkQuantities(project, lines, sep))
        return f;
    return checkTendons(project, lines, sep);
}

}  // namespace kvor
