#pragma once
// The cross-section: one of four standard shapes with the dimensions b, h / a /
// b1, b2, h1, h2 (the four dimension fields, in this order), or "obecný"
// (General) with the values typed directly. The section values live as texts
// in `CrossSection`: A [m2], I [m4], e_d [m] (positive: the bottom fibres lie
// below the centroid), e_h [m] (negative: above it).

#include "model/project.h"
#include "model/report.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kvor {

// What is shown of the section for a section type when the type is chosen;
// the user interface applies it and holds no rule of its own.
struct SectionLayout {
    int picture;                                   // 0..4: the one picture of the shape shown
    std::array<bool, 4> dimensionVisible;          // the four dimension fields with their captions
    std::array<const char*, 4> dimensionLabels;    // the dimensions' captions; "" while hidden
    bool computeVisible;                           // "Spočti"
    bool valuesVisible;                            // the four section values with their captions
};
SectionLayout sectionLayout(SectionType type);

// How many dimension fields the type reads, from the first on: 2, 1, 4, 4, 0.
int neededDimensionCount(SectionType type);

// Choosing the section type ("Typ průřezu"): sets the type; choosing General
// makes the value fields editable for the rest of the run (`valuesEditable`).
// No dimension or value text changes.
void selectSectionType(CrossSection& section, SectionType type);

// The section values in whole units of 0.0001 (m2, m4, m, m), as "Spočti"
// computes them before writing.
struct SectionUnits {
    int64_t area;
    int64_t inertia;
    int64_t eBottom;
    int64_t eTop;

    bool operator==(const SectionUnits&) const = default;
};

// The formulas of the four standard shapes (the dimensions in the order of
// their fields, metres). Every rounding to units goes to the nearest, an
// exact half to the even neighbour. The T shapes take the parallel-axis
// distances from the rounded centroid d, and divide the static moment by the
// rounded area. Throws "Floating point division by zero" when the area rounds
// to 0 units (T shapes), and "Invalid floating point operation" when a value
// does not fit 64 bits. General has no formulas: all four are 0.
SectionUnits sectionUnits(SectionType type, const std::array<long double, 4>& dimensions);

// The text written for a value of v units: trunc(v·1000000/10000)·0.000001 in
// general format, i.e. v/10000 with at most four decimals (1800 -> "0,18",
// -3000 -> "-0,3", 0 -> "0").
std::string formatSectionUnits(int64_t units, char decimalSeparator);

// "Spočti": the section values from the dimensions. Returns a report and writes nothing when a needed
// dimension field is empty ("Zadejte vstupní hodnoty!", no beep). A needed text
// that is no number throws the conversion error before anything is written.
// Otherwise writes area, inertia, eBottom, eTop in this order and returns
// nothing; the value fields and their captions are then shown. Under
// General nothing happens ("Spočti" is hidden there).
std::optional<Report> computeSectionValues(CrossSection& section, char decimalSeparator);

// Leaving dimension field `index` (0..3), under every type: the dimension must
// be a number above 0. Focus the field, message, then a beep.
std::optional<Report> checkDimension(const CrossSection& section, int index, char decimalSeparator);

// Leaving section value field `index` (0..3 for A, I, e_d, e_h), active only under
// General: A, I, e_d must be numbers above 0, e_h a number below 0. Focus the
// field, message, no beep. Under the other types: no report.
std::optional<Report> checkSectionValue(const CrossSection& section, int index, char decimalSeparator);

}  // namespace kvor
