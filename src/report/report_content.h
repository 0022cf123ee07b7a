#pragma once
// What the calculation report "Protokol výpočtu" says, without any window:
// a sequence of blocks (headings, lines of facts, tables and the places of the
// figures), built from an evaluated project. A printer lays them out on pages
// and draws the figures; every text and number is decided here, in Czech, with
// the decimal separator in use, and so is what must share a page.
//
// Numbers are rounded for reading (kReportRoundingNote says how, and the
// report says it too); the windows and the CSV files keep all 15 digits.

#include "model/project.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {

struct ReportTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    // Rows left out of a very long table (a tendon of thousands of points): the
    // printed table shows the first and the last rows and says how many are missing.
    int omittedRows = 0;
    int omittedAfterRow = 0;  // the omission stands after this many rows
};

enum class ReportFigure {
    Beam,
    Section,
    InfluenceLine,
    TendonLayout,
    StressingForces  // the force along a stressed tendon (slot)
};

struct ReportBlock {
    enum class Kind { Title, Heading, Subheading, Fact, Paragraph, Table, Figure };
    Kind kind;
    std::string text;   // the heading or paragraph; a fact's name
    std::string value;  // a fact's value
    ReportTable table;
    ReportFigure figure = ReportFigure::Beam;
    int slot = -1;  // 0-based slot of an influence-line or tendon figure
    // Printed on the same page as the block after it (a heading and what it
    // introduces, a tendon's facts, table and chart, a table and its note),
    // unless the blocks so joined are longer than a page.
    bool keepWithNext = false;
};

struct ReportContent {
    std::string projectName;  // for the page footer
    std::vector<ReportBlock> blocks;
};

// Longest table printed whole; a longer one keeps its first and last rows.
constexpr int kReportTableRowLimit = 400;

// How numbers are rounded for reading, by their unit.
enum class Reading {
    Force,       // kN and kNm: 0,1
    Stress,      // MPa: 0,01
    Length,      // stations, lengths, eccentricities in m: 0,001
    Small,       // deflections in m, rotations in rad: 0,000001
    Significant  // what has no fixed scale (ordinates, A, I, a unit of no kind): 5 significant digits
};
// A number text rounded as `how` says; a text that is no number ("###", "–",
// what was typed) is kept as it is.
std::string forReading(std::string_view text, Reading how, char decimalSeparator);
// The rounding of a result of the unit the result window shows ("[kNm]", "[m]", ...).
Reading readingOfResultUnit(std::string_view unit);
// The rounding of a column headed with its unit ("P [kN]", "σ_h [MPa]", "e [m]").
Reading readingOfHeading(std::string_view heading);

// The report of a project whose results are those of its last evaluation.
ReportContent buildReportContent(const Project& project, char decimalSeparator);

// The least and the greatest ordinate of a stored influence line, with the
// first station where each occurs. Nothing when no row holds two numbers.
struct OrdinateExtremes {
    std::string minimum, minimumStation;
    std::string maximum, maximumStation;
};
std::optional<OrdinateExtremes> ordinateExtremes(const TextTable& line, char decimalSeparator);

}  // namespace kvor
