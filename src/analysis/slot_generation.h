#pragma once
// Influence lines of a quantity slot generated from the project's beam: the
// checks of what the influence-line dialog's "Z konstrukce" panel gives, the
// line it fills the entry table with, and whether a stored generated line
// still matches the beam.
//
// Numbers are the texts typed with the system's separator. EI = E·1000·I in
// kNm² with E in MPa and I (m⁴) from the section.

#include "analysis/line_generator.h"
#include "model/project.h"
#include "model/report.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {


// The default step H as typed: "0,1" on a system with a decimal comma.
std::string defaultGeneratorStep(char sep);

// The supports of the beam, a, b, c, … from its start: name and station text
// (system separator). Empty while a length is missing or no number.
struct SupportChoice {
    std::string name;
    std::string station;
};
std::vector<SupportChoice> supportChoices(const BeamModel& beam, char sep);

// What "Vygenerovat" was given: X, H and E as typed.
struct GeneratorInput {
    std::string station;
    std::string step;
    std::string modulus;
};

// A generated line: the influence-line file text (decimal point) and what the
// slot keeps of it, or the fault to report (focus on the control at fault,
// a beep after the message).
struct SlotLine {
    std::optional<Report> fault;
    std::string fileText;
    std::string station;  // X as given
    LineGeneratorParameters parameters;
};

// The line of the kind named by `kindText` (the slot's kind box) for the
// project's beam. In order: the structure must be entered; the kind must be
// one of the five labels; the beam's lengths, X, H and, for deflection and
// rotation, E and the section's I must be numbers; then the generator's own
// checks (lengths and H above 0, X on the beam, a support for the reaction,
// none for the shear force, at most 32750 points).
SlotLine generateSlotLine(const Project& project, std::string_view kindText, const GeneratorInput& input, char sep);

// The line a generated slot's parameters give for the beam as it is now, of
// the kind the slot's kind box names.
SlotLine regenerateSlotLine(const Project& project, const QuantitySlot& slot, char sep);

// A generated slot's stored parameters judged as "Vygenerovat" judges what it
// was given, without the beam: a known kind, X and H numbers, H above 0 and,
// for deflection and rotation, E a number above 0. The fault's focus names the
// parameter (GeneratorStation, GeneratorStep, GeneratorModulus; the kind
// GeneratorCommand).
std::optional<Report> checkGeneratorParameters(const QuantitySlot& slot, char sep);

// Entered slots (numbers 1 to 5) whose line was generated and no longer
// matches the beam: the beam kind, a span or (for w and φ) I changed since, so
// generating it again gives another table, or cannot be done.
std::vector<int> staleGeneratedSlots(const Project& project, char sep);

// The exact slopes of a generated slot's line at its rows, when its stored
// table is the line the beam gives now; nothing for a stale line or a line
// that was typed or loaded (those are differentiated from their points).
std::optional<std::vector<StationSlopes>> exactSlopesOfSlot(const Project& project, const QuantitySlot& slot,
                                                            char sep);

// The warning that goes with every result of slot k (1 to 5) whose generated
// line no longer matches the beam, wherever the results are read.
std::string staleLineWarning(int slot);

// The question put before "Výpočet" when generated lines no longer match the
// beam; names the slots.
std::string staleLinesQuestion(const std::vector<int>& slots);

// Generates slot k's line again and stores it. Throws kvor::Error with the
// fault's message when it cannot be generated.
void regenerateSlot(Project& project, int slot, char sep);

}  // namespace kvor
