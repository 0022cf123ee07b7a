#include "report/stress_check_report.h"

#include "check/stress_check.h"
#include "model/error.h"
#include "prestress/section_check.h"

#include <utility>

namespace kvor {

namespace {

ReportBlock block(ReportBlock::Kind kind, std::string text, bool keepWithNext = false)
{
    ReportBlock b{kind, std::move(text), {}, {}, ReportFigure::Beam, -1};
    b.keepWithNext = keepWithNext;
    return b;
}

ReportBlock fact(std::string name, std::string value)
{
    ReportBlock b = block(ReportBlock::Kind::Fact, std::move(name), true);
    b.value = std::move(value);
    return b;
}

std::string strength(const std::string& text, const char* otherwise, char sep)
{
    return text.empty() ? otherwise : forReading(text, Reading::Stress, sep) + " MPa";
}

}  // namespace

StressCheckReport stressCheckReport(const Project& project, char sep)
{
    StressCheckReport report;
    const CheckInput& input = project.check;
    if (!input.entered())
        return report;
    std::vector<ReportBlock>& out = report.blocks;
    out.push_back(block(ReportBlock::Kind::Heading, "Posouzení napětí", true));
    out.push_back(fact("Pevnost betonu f_ck", strength(input.strength, "–", sep)));
    out.push_back(fact("Pevnost betonu v tahu f_ctm", strength(input.tensileStrength, "–", sep)));
    out.push_back(fact("Při předpětí f_ck(t)", strength(input.strengthAtTransfer, "rovna f_ck", sep)));
    out.push_back(fact("Při předpětí f_ctm(t)", strength(input.tensileStrengthAtTransfer, "rovna f_ctm", sep)));
    out.push_back(fact("Součinitel ψ2", input.psi2.empty() ? "0" : input.psi2));
    out.back().keepWithNext = false;

    StressChecks checks;
    try {
        checks = stressChecks(project, sep);
    } catch (const Error& e) {
        checks.message = std::string("Posouzení napětí nelze provést: ") + e.what() + ".";
    }
    if (!checks.message.empty()) {
        out.push_back(block(ReportBlock::Kind::Paragraph, checks.message));
        report.verdict = fact("Posouzení napětí", "neprovedeno (oddíl „Posouzení napětí“ říká proč)");
        report.verdict->keepWithNext = false;
        return report;
    }

    std::string failing;
    for (const StressCheckTable& check : checks.tables) {
        const auto q = static_cast<size_t>(check.quantity);
        out.push_back(block(ReportBlock::Kind::Subheading,
                            std::to_string(q + 1) + ". posuzovaná veličina: " +
                                checkedQuantityKind(project.results, check.quantity) + ", X = " +
                                forReading(check.station, Reading::Length, sep) + " m",
                            true));
        const TextTable shown = stressCheckTextTable(check, sep, true);
        ReportTable table;
        for (int c = 0; c < shown.colCount(); ++c)
            table.headings.emplace_back(shown.cell(0, c));
        for (int r = 1; r < shown.rowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < shown.colCount(); ++c) {
                const std::string text(shown.cell(r, c));
                const bool number = c >= 1 && c <= 7;
                row.push_back(number ? forReading(text, readingOfHeading(shown.cell(0, c)), sep) : text);
            }
            table.rows.push_back(std::move(row));
        }
        ReportBlock tableBlock = block(ReportBlock::Kind::Table, {}, true);
        tableBlock.table = std::move(table);
        out.push_back(std::move(tableBlock));
        out.push_back(block(ReportBlock::Kind::Paragraph, stressCheckVerdict(check), true));
        if (!check.passes())
            failing += (failing.empty() ? "" : ", ") + std::to_string(q + 1) + ". veličina (X = " +
                       forReading(check.station, Reading::Length, sep) + " m)";
    }
    out.back().keepWithNext = false;
    out.push_back(block(ReportBlock::Kind::Paragraph, kStressCheckNote));
    report.verdict = fact("Posouzení napětí", failing.empty() ? std::string("vyhovuje ve všech posuzovaných průřezech")
                                                              : "nevyhovuje: " + failing);
    report.verdict->keepWithNext = false;
    return report;
}

}  // namespace kvor
