#pragma once
// What the calculation report "Protokol výpočtu" says, without any window:
// a sequence of blocks (headings, lines of facts, tables and the places of the
// figures), built from an evaluated project. A printer lays them out on pages
// and draws the figures; every text and number is decided here, in Czech, with
// the decimal separator in use.

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

enum class ReportFigure { Beam, Section, InfluenceLine, TendonLayout };

struct ReportBlock {
    enum class Kind { Title, Heading, Subheading, Fact, Paragraph, Table, Figure };
    Kind kind;
    std::string text;   // the heading or paragraph; a fact's name
    std::string value;  // a fact's value
    ReportTable table;
    ReportFigure figure = ReportFigure::Beam;
    int slot = -1;  // 0-based slot of an influence-line or tendon figure
};

struct ReportContent {
    std::string projectName;  // for the page footer
    std::vector<ReportBlock> blocks;
};

// Longest table printed whole; a longer one keeps its first and last rows.
constexpr int kReportTableRowLimit = 400;

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
