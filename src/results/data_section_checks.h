#pragma once
// What a project file's data section gave, judged as the windows judge input
// before they store it: a section that passes holds nothing the windows could
// not have made, so every window and the evaluation can take it as they take
// their own input.
//
// Checked, in the order of the file:
//   - the member table holds 2 to 15 members;
//   - when any slot is marked entered: the span of a simple beam or the member
//     lengths of a continuous beam (the checks of the structure page);
//   - the slot rows: slot 1 shown, shown rows only after shown rows, a hidden
//     slot neither entered nor drawn (a hidden tendon without a type text),
//     "Kreslit" only on an entered slot; an entered influence line with its
//     entry mode, an entered tendon with the type that its type text names;
//   - each slot marked entered: its influence line as "Zpět" and the table
//     check of the influence-line dialog judge it, the station X of its section
//     as the dialog's X check, and a generated line's parameters as
//     "Vygenerovat" (X, the step and, for deflection and rotation, E); its
//     tendon definition as checkStoredTendon judges it;
//   - the loads as their fields and the axle table check them;
//   - the concrete and ψ2 of the stress check as their fields check them.
// A check's conversion failure (a fibre distance that is no number) counts as
// its fault. A fault in a table names the line of the row at fault, and a cell
// that holds no number by its field ("Pořadnice v 3.řádku …"), not by the
// dialog's grid column.

#include "model/project.h"

#include <array>
#include <cstddef>
#include <exception>
#include <optional>
#include <string>

namespace kvor {

// The lines of a slot's items in the file (1-based; 0 when not read).
struct SlotItemLines {
    int header = 0;
    int shown = 0;
    int typeText = 0;  // tendons only
    int status = 0;
    int draw = 0;
    int modeOrType = 0;  // "mode" of a quantity, "type" of a tendon
    int station = 0;     // quantities only
    int generator = 0;   // quantities only
    int divisions = 0;   // tendons only
    int points = 0;      // the count line of the point table; row r stands on line points + r
};

// The lines of the loads' items (0 when the file has no loads).
struct LoadLines {
    int uniform = 0;
    int axles = 0;  // the count line of the axle table; row r stands on line axles + r
};

// The lines of the stress check's items (0 when the file has none).
struct CheckLines {
    int concrete = 0;
    int psi2 = 0;
};

struct DataSectionLines {
    int length = 0;
    int members = 0;  // the count line of the member table
    std::array<SlotItemLines, kSlotCount> quantities;
    std::array<SlotItemLines, kSlotCount> tendons;
    LoadLines loads;
    CheckLines check;
};

// The first fault: the line the faulty item stands on and the check's message.
struct DataSectionFault {
    int line = 0;
    std::string message;
};

// What the checks of the five slots of one page found, each in its slot's
// place: a fault, or the failure the check threw.
struct SlotChecks {
    std::array<std::optional<DataSectionFault>, kSlotCount> faults;
    std::array<std::exception_ptr, kSlotCount> failures;
};

// The check of slot k (0-based) of the influence lines, which reads only the
// beam and that line, or of the tendons, which reads only the beam, its
// section and that tendon, into slot k of `into`. A reader can run them on
// its threads as soon as what they read is read.
void checkLineSlot(const Project& project, const DataSectionLines& lines, size_t k, char sep, SlotChecks& into);
void checkTendonSlot(const Project& project, const DataSectionLines& lines, size_t k, char sep, SlotChecks& into);

// Number texts are read with `sep`, the separator the project holds them in.
// `lineSlots`, `tendonSlots`: every slot of the page checked already (by
// checkLineSlot, checkTendonSlot for this project and these lines), reported
// in its place of the order above, as if checked there.
std::optional<DataSectionFault> checkDataSectionInput(const Project& project, const DataSectionLines& lines,
                                                      char sep, const SlotChecks* lineSlots = nullptr,
                                                      const SlotChecks* tendonSlots = nullptr);

}  // namespace kvor
