#pragma once
// The prestress check of the sections that matter: for every evaluated
// bending-moment quantity whose section station X is known, a table of what
// each tendon, the chosen group and all tendons together do at X (normal
// force, eccentricity, primary, secondary and total moment, fibre stresses).
// The window "Napětí v průřezu" and `kvor-calc --stresses` show these tables.

#include "model/project.h"
#include "prestress/section_prestress.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

// Columns of a check table, in order, with their headings.
inline constexpr std::array<const char*, 8> kSectionCheckHeadings = {
    "X [m]", "P [kN]", "e [m]", "M1 [kNm]", "M2 [kNm]", "M [kNm]", "σ_h [MPa]", "σ_d [MPa]"};

// What the check says about its signs, under each table.
inline constexpr const char* kSectionCheckConventions =
    "P tlak záporný; e kladná dolů; M1 = P·e primární, M2 = M − M1 sekundární (parazitní) moment, "
    "M kladný při tahu dole; σ = P/A + M·e/I, tah kladný; přímý kabel se bere vodorovně (jeho sklon "
    "výpočet nepočítá).";

struct SectionCheckRow {
    std::string label;                 // "1".."5", "skupina", "celkem"
    std::array<std::string, 8> cells;  // "###" for a tendon that is not entered
};

struct SectionCheckTable {
    int quantity = 0;  // 0-based slot
    std::string station;
    std::vector<SectionCheckRow> rows;  // tendons 1..5, the group (when one is chosen), the total
    std::vector<int> offTendon;         // entered tendons (1..5) that do not reach X
    std::vector<int> atPoint;           // entered tendons with a point at X (both sides' mean)
};

// What is said under a table: the sign conventions, which tendons do not
// reach the section (no force and no primary moment there; their moment at X
// is all secondary), and which have a point at X (taken as both sides' mean).
std::string sectionCheckNote(const SectionCheckTable& table);

// The section values as numbers, or the message that names what is missing
// ("Pro posouzení napětí chybí plocha A průřezu." ...).
struct SectionValuesOrMessage {
    std::optional<SectionValues> values;
    std::string message;
    std::string missing;  // the names alone: "plocha A, moment setrvačnosti I"
};
SectionValuesOrMessage sectionValuesForCheck(const CrossSection& section, char decimalSeparator);

// The polygon a tendon's prestress is taken from at a section: the straight
// tendon's two anchorages, the broken tendon's points, a parabolic tendon's
// polygon of chords. Throws kvor::Error for a text that is no number.
std::vector<PolygonPoint> tendonPolygon(const TendonSlot& slot, char decimalSeparator);

// What every tendon does at station x of quantity q's section, from the last
// evaluation's value of its effect M: nothing for a tendon that is not entered
// or has no value; a tendon off the section carries its whole M as secondary
// moment (P = e = M1 = 0). Throws kvor::Error for a text that is no number.
struct TendonsAtSection {
    std::array<std::optional<SectionPrestress>, kSlotCount> tendons;  // [t]
    std::vector<int> offTendon;  // entered tendons (1..5) that do not reach x
    std::vector<int> atPoint;    // entered tendons with a point at x
};
TendonsAtSection tendonsAtSection(const Project& project, int q, long double x, const SectionValues& section,
                                  char decimalSeparator);

// The table of quantity q at station `station` (the quantity's X text), from
// the last evaluation's values. Nothing when q was not evaluated, is no
// bending moment, or the station is empty. Throws kvor::Error for a text that
// is no number and for overflow.
std::optional<SectionCheckTable> sectionCheckTable(const Project& project, int q, const std::string& station,
                                                   const SectionValues& section, char decimalSeparator);

// Every check of the last evaluation: the tables of the evaluated bending
// moments whose station is known, in slot order, or, when A, I, e_d or e_h is
// missing, only the message that names them (and no table).
struct SectionChecks {
    std::string message;
    std::vector<SectionCheckTable> tables;
};
SectionChecks sectionChecks(const Project& project, char decimalSeparator);

// The kind of quantity q as its check is titled: the result window's caption
// without the dash it reads after the slot number ("Ohybový moment").
std::string checkedQuantityKind(const EvaluationResult& results, int q);

// A check table as a text table: row 0 "Kabel" and the column headings.
TextTable sectionCheckTextTable(const SectionCheckTable& table);

}  // namespace kvor
