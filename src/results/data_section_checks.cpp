#include "results/data_section_checks.h"

#include "analysis/slot_generation.h"
#include "influence/entry_table.h"
#include "influence/table_checks.h"
#include "check/check_input.h"
#include "evaluation/parallel_tasks.h"
#include "evaluation/parsed_input_cache.h"
#include "evaluation/station_lookup.h"
#include "loads/load_input.h"
#include "model/error.h"
#include "structure/beam.h"
#include "tendons/stored_tendon_check.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string_view>
#include <vector>

namespace kvor {

namespace {

using Fault = std::optional<DataSectionFault>;

Fault at(int line, std::string message) { return DataSectionFault{line, std::move(message)}; }

std::optional<std::string> messageOf(const std::optional<Report>& report)
{
    return report ? std::optional(report->message) : std::nullopt;
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

// A fault in row `row` (1-based; 0: none) of the table whose count stands on
// `countLine`: the row's own line. The dialog names a cell that holds no
// number by its grid column; the file names the cell's field.
Fault inRow(int countLine, int rows, int row, std::string message, std::string_view field)
{
    if (row < 1 || row > rows)
        return at(countLine, std::move(message));
    for (std::string_view opening : {kFirstColumnOpening, kSecondColumnOpening})
        if (message == notANumberMessage(opening, row))
            message = notANumberMessage(std::string(field) + " v ", row);
    return at(countLine + row, std::move(message));
}

// The fields of a store table's columns, as a file reader names them.
constexpr std::array<std::string_view, 2> kAxleFields = {"Síla F", "Vzdálenost a"};
constexpr std::array<std::string_view, 2> kLineFields = {"Staničení", "Pořadnice"};
constexpr std::array<std::string_view, 4> kTendonFields = {"Staničení", "Excentricita", "Předpínací síla",
                                                           "Excentricita uprostřed úseku"};

// The table check of the influence-line dialog, first fault only: stations,
// then ordinates. A line that passes is kept as the evaluation of slot `slot`
// indexes it, from the numbers the check read, so that the first run after
// reading does not read them again.
Fault checkLineTable(const BeamModel& beam, const TextTable& line, int countLine, char sep, size_t slot)
{
    const int rows = line.rowCount() - 1;
    std::vector<long double> stations, values;
    try {
        const long double total = totalBeamLength(beam, sep);
        std::optional<ColumnFault> fault = findStationFault(line, 0, total, sep, &stations);
        int column = 0;
        if (!fault) {
            fault = findNumberFault(line, 1, kSecondColumnOpening, sep, &values);
            column = 1;
        }
        if (fault)
            return inRow(countLine, rows, fault->row, std::move(fault->message), kLineFields[column]);
    } catch (const Error& e) {
        return at(countLine, e.what());
    }
    try {
        keepLineIndex(slot, line, sep, StationIndex(line, std::move(stations), std::move(values)));
    } catch (...) {
        // Keeping only saves reading the numbers again: without memory for it nothing is kept.
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

// Slot k's check `checkSlot(name, slot, line, k)`, where name is "k. what: ",
// into its place in `into`: the fault, or the failure the check threw.
template <typename Slot, typename CheckSlot>
void checkOneSlot(const std::array<Slot, kSlotCount>& slots, const std::array<SlotItemLines, kSlotCount>& lines,
                  size_t k, const char* what, CheckSlot&& checkSlot, SlotChecks& into)
{
    try {
        into.faults[k] = checkSlot(std::to_string(k + 1) + ". " + what + ": ", slots[k], lines[k], k);
    } catch (...) {
        into.failures[k] = std::current_exception();
    }
}

// Every slot's check: the slots' tables are long and each check reads only
// its own slot, so they run on all cores.
template <typename Slot, typename CheckSlot>
SlotChecks checkEachSlot(const std::array<Slot, kSlotCount>& slots, const std::array<SlotItemLines, kSlotCount>& lines,
                         const char* what, CheckSlot&& checkSlot)
{
    SlotChecks checks;
    runInParallel(slots.size(), [&](size_t k) { checkOneSlot(slots, lines, k, what, checkSlot, checks); });
    return checks;
}

// The rows of one page, then each slot in order (checked already when `done`
// is given): the first fault (or failure) in slot order is the one reported,
// as checking one after another finds.
template <typename Slot, typename CheckSlot>
Fault checkSlots(const std::array<Slot, kSlotCount>& slots, const std::array<SlotItemLines, kSlotCount>& lines,
                 const char* what, CheckSlot&& checkSlot, const SlotChecks* done = nullptr)
{
    if (Fault f = checkSlotRows(slots, lines, what))
        return f;
    SlotChecks checks = done ? *done : checkEachSlot(slots, lines, what, checkSlot);
    for (size_t k = 0; k < slots.size(); ++k) {
        if (checks.failures[k])
            std::rethrow_exception(checks.failures[k]);
        if (checks.faults[k])
            return std::move(checks.faults[k]);
    }
    return std::nullopt;
}

// The station X and, for a generated line, its parameters.
Fault checkStation(const Project& project, const QuantitySlot& slot, const SlotItemLines& line,
                   const std::string& name, char sep)
{
    if (Fault f = checkAt(line.station, [&] { return checkSectionStation(project.beam, slot.station, sep); }))
        return f;
    if (slot.entryMode != EntryMode::Generated)
        return std::nullopt;
    if (std::optional<Report> fault = checkGeneratorParameters(slot, sep))
        return at(fault->focus == Field::GeneratorStation ? line.station : line.generator, fault->message);
    const std::optional<LineKind> kind = lineKindOfCode(slot.generator.kind);
    if (kind && !lineNeedsStiffness(*kind) && !slot.generator.modulus.empty())
        return at(line.generator, name + "modul pružnosti E se ukládá jen u průhybu a pootočení");
    return std::nullopt;
}

constexpr const char* kLineSlot = "příčinková čára";

// An influence-line slot: reads the beam and the slot only.
Fault lineSlotFault(const Project& project, const std::string& name, const QuantitySlot& slot,
                    const SlotItemLines& line, size_t k, char sep)
{
    if (!slot.storeMark())
        return std::nullopt;
    if (slot.entryMode == EntryMode::None)
        return at(line.modeOrType, name + "zadaná čára nemá způsob zadání");
    if (Fault f = checkStation(project, slot, line, name, sep))
        return f;
    if (Fault f = checkAt(line.points, [&] { return checkLineEntered(slot.line); }))
        return f;
    return checkLineTable(project.beam, slot.line, line.points, sep, k);
}

auto quantitySlotCheck(const Project& project, char sep)
{
    return [&project, sep](const std::string& name, const QuantitySlot& slot, const SlotItemLines& line, size_t k) {
        return lineSlotFault(project, name, slot, line, k, sep);
    };
}

Fault checkQuantities(const Project& project, const DataSectionLines& lines, char sep, const SlotChecks* done)
{
    return checkSlots(project.quantities, lines.quantities, kLineSlot, quantitySlotCheck(project, sep), done);
}

constexpr const char* kTendonSlot = "kabel";

// A tendon slot: reads the beam, its section and the slot only.
Fault tendonSlotFault(const Project& project, const std::string& name, const TendonSlot& slot,
                      const SlotItemLines& line, char sep)
{
    if (!slot.shown && !slot.typeText.empty())
        return at(line.typeText, name + "skrytý kabel nemá typ");
    if (!slot.storeMark())
        return std::nullopt;
    // The type box is locked while the slot is entered: it names the stored type.
    if (tendonTypeOf(slot.typeText) != slot.type)
        return at(line.typeText, name + "typ kabelu neodpovídá uloženému tvaru kabelu");
    std::optional<TendonFault> fault;
    try {
        fault = checkStoredTendon(slot, project.beam, project.section, sep);
    } catch (const Error& e) {
        return at(line.points, e.what());
    }
    if (!fault)
        return std::nullopt;
    // D and the size of its polygon are the divisions line's.
    const Field focus = fault->report.focus;
    if (focus == Field::ParabolaDivisions || focus == Field::ParabolaTableDivisions)
        return at(line.divisions, std::move(fault->report.message));
    const int column = std::clamp(fault->column, 0, static_cast<int>(kTendonFields.size()) - 1);
    return inRow(line.points, slot.points.rowCount() - 1, fault->row, std::move(fault->report.message),
                 kTendonFields[column]);
}

auto tendonSlotCheck(const Project& project, char sep)
{
    return [&project, sep](const std::string& name, const TendonSlot& slot, const SlotItemLines& line, size_t) {
        return tendonSlotFault(project, name, slot, line, sep);
    };
}

Fault checkTendons(const Project& project, const DataSectionLines& lines, char sep, const SlotChecks* done)
{
    return checkSlots(project.tendons, lines.tendons, kTendonSlot, tendonSlotCheck(project, sep), done);
}

Fault checkLoads(const LoadInput& loads, const LoadLines& lines, char sep)
{
    std::optional<LoadFault> fault = findLoadFault(loads, sep);
    if (!fault)
        return std::nullopt;
    if (fault->report.focus == Field::AxleTable)
        return inRow(lines.axles, loads.axleCount(), fault->row, std::move(fault->report.message),
                     kAxleFields[static_cast<size_t>(fault->column)]);
    if (fault->report.focus == Field::AxleCount)
        return at(lines.axles, std::move(fault->report.message));
    return at(lines.uniform, std::move(fault->report.message));
}

}  // namespace

void checkLineSlot(const Project& project, const DataSectionLines& lines, size_t k, char sep, SlotChecks& into)
{
    checkOneSlot(project.quantities, lines.quantities, k, kLineSlot, quantitySlotCheck(project, sep), into);
}

void checkTendonSlot(const Project& project, const DataSectionLines& lines, size_t k, char sep, SlotChecks& into)
{
    checkOneSlot(project.tendons, lines.tendons, k, kTendonSlot, tendonSlotCheck(project, sep), into);
}

std::optional<DataSectionFault> checkDataSectionInput(const Project& project, const DataSectionLines& lines,
                                                      char sep, const SlotChecks* lineSlots,
                                                      const SlotChecks* tendonSlots)
{
    if (Fault f = checkBeam(project, lines, sep))
        return f;
    if (Fault f = checkQuantities(project, lines, sep, lineSlots))
        return f;
    if (Fault f = checkTendons(project, lines, sep, tendonSlots))
        return f;
    if (Fault f = checkLoads(project.loads, lines.loads, sep))
        return f;
    if (std::optional<Report> fault = findCheckFault(project.check, sep))
        return at(fault->focus == Field::CheckPsi2 ? lines.check.psi2 : lines.check.concrete,
                  std::move(fault->message));
    return std::nullopt;
}

}  // namespace kvor
