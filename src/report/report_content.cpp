#include "report/report_content.h"

#include "model/numbers.h"
#include "prestress/section_check.h"
#include "structure/beam.h"
#include "structure/section.h"

#include <algorithm>

namespace kvor {

namespace {

// The section type names of the structure page's radio group, in its order.
constexpr std::array<const char*, 5> kSectionTypeNames = {"obdélník", "čtverec", "T-průřez",
                                                          "obrácený T-průřez", "obecný"};

std::string orDash(const std::string& text) { return text.empty() ? "–" : text; }

std::string slotNumber(size_t index) { return std::to_string(index + 1); }

class ReportBuilder {
public:
    explicit ReportBuilder(ReportContent& content) : content_(content) {}

    void title(std::string text) { add(ReportBlock::Kind::Title, std::move(text)); }
    void heading(std::string text) { add(ReportBlock::Kind::Heading, std::move(text)); }
    void subheading(std::string text) { add(ReportBlock::Kind::Subheading, std::move(text)); }
    void paragraph(std::string text) { add(ReportBlock::Kind::Paragraph, std::move(text)); }
    void fact(std::string name, std::string value)
    {
        add(ReportBlock::Kind::Fact, std::move(name)).value = std::move(value);
    }
    void table(ReportTable table) { add(ReportBlock::Kind::Table, {}).table = std::move(table); }
    void figure(ReportFigure figure, int slot = -1)
    {
        ReportBlock& block = add(ReportBlock::Kind::Figure, {});
        block.figure = figure;
        block.slot = slot;
    }

private:
    ReportBlock& add(ReportBlock::Kind kind, std::string text)
    {
        content_.blocks.push_back(ReportBlock{kind, std::move(text), {}, {}, ReportFigure::Beam, -1});
        return content_.blocks.back();
    }

    ReportContent& content_;
};

// A store table (row 0 headings) as a report table; very long ones keep
// their first and last rows.
ReportTable storeTable(const TextTable& store)
{
    ReportTable table;
    for (int c = 0; c < store.colCount(); ++c)
        table.headings.emplace_back(store.cell(0, c));
    const int rows = std::max(0, store.rowCount() - 1);
    const int keepEachEnd = kReportTableRowLimit / 2;
    auto addRow = [&](int r) {
        std::vector<std::string> row;
        for (int c = 0; c < store.colCount(); ++c)
            row.emplace_back(store.cell(r, c));
        table.rows.push_back(std::move(row));
    };
    if (rows <= kReportTableRowLimit) {
        for (int r = 1; r <= rows; ++r)
            addRow(r);
        return table;
    }
    for (int r = 1; r <= keepEachEnd; ++r)
        addRow(r);
    for (int r = rows - keepEachEnd + 1; r <= rows; ++r)
        addRow(r);
    table.omittedRows = rows - 2 * keepEachEnd;
    table.omittedAfterRow = keepEachEnd;
    return table;
}

void describeProject(ReportBuilder& out, const Project& project)
{
    out.title("Protokol výpočtu");
    out.fact("Projekt", orDash(project.info.name));
    out.fact("Popis", orDash(project.info.description));
    out.fact("Autor", orDash(project.info.author));
    out.fact("Datum vytvoření", orDash(project.info.createdOn));
    out.fact("Program", "Kvor1.1");
}

void describeBeam(ReportBuilder& out, const Project& project, char sep)
{
    const BeamModel& beam = project.beam;
    out.heading("Nosník");
    ReportTable spans;
    spans.headings = {"Pole", "Délka [m]"};
    if (beam.kind == BeamKind::Simple) {
        out.fact("Druh", "prostý nosník");
        spans.rows.push_back({"1", orDash(beam.length)});
    } else {
        const int members = beam.members.rowCount() - 1;
        out.fact("Druh", "spojitý nosník o " + std::to_string(members) + " polích");
        for (int r = 1; r <= members; ++r)
            spans.rows.push_back({std::string(beam.members.cell(r, 0)), orDash(std::string(beam.members.cell(r, 1)))});
    }
    std::string total = "–";
    try {
        total = formatNumber(totalBeamLength(beam, sep), sep);
    } catch (const std::exception&) {
        // A length that is no number: the report shows what was typed, the total stays open.
    }
    out.fact("Celková délka [m]", total);
    out.table(std::move(spans));
    out.figure(ReportFigure::Beam);
}

void describeSection(ReportBuilder& out, const Project& project)
{
    const CrossSection& section = project.section;
    out.heading("Průřez");
    out.fact("Typ průřezu", kSectionTypeNames[static_cast<size_t>(section.type)]);
    const SectionLayout layout = sectionLayout(section.type);
    for (size_t i = 0; i < section.dimensions.size(); ++i)
        if (layout.dimensionVisible[i])
            out.fact(layout.dimensionLabels[i], orDash(section.dimensions[i]));
    out.fact("Plocha A [m²]", orDash(section.area));
    out.fact("Moment setrvačnosti I [m⁴]", orDash(section.inertia));
    out.fact("Vzdálenost dolních vláken e_d [m]", orDash(section.eBottom));
    out.fact("Vzdálenost horních vláken e_h [m]", orDash(section.eTop));
    if (section.type != SectionType::General)
        out.figure(ReportFigure::Section);
}

std::string entryModeText(const QuantitySlot& slot)
{
    switch (slot.entryMode) {
    case EntryMode::Manual:
        return "zadána ručně";
    case EntryMode::FromFile:
        return "načtena ze souboru „" + slot.sourceFile + "“";
    case EntryMode::Generated:
        return "vygenerována z konstrukce";
    default:
        return "–";
    }
}

void describeQuantities(ReportBuilder& out, const Project& project, char sep)
{
    out.heading("Posuzované veličiny");
    bool any = false;
    for (size_t k = 0; k < project.quantities.size(); ++k) {
        const QuantitySlot& slot = project.quantities[k];
        if (!slot.entered())
            continue;
        any = true;
        out.subheading("Veličina " + slotNumber(k) + ": " + orDash(slot.kindText));
        out.fact("Komentář", orDash(slot.description));
        if (!slot.station.empty())
            out.fact("Staničení průřezu X [m]", slot.station);
        out.fact("Příčinková čára", entryModeText(slot));
        out.fact("Počet bodů", std::to_string(std::max(0, slot.line.rowCount() - 1)));
        if (const auto extremes = ordinateExtremes(slot.line, sep)) {
            out.fact("Nejmenší pořadnice", extremes->minimum + " v x = " + extremes->minimumStation + " m");
            out.fact("Největší pořadnice", extremes->maximum + " v x = " + extremes->maximumStation + " m");
        }
        out.figure(ReportFigure::InfluenceLine, static_cast<int>(k));
    }
    if (!any)
        out.paragraph("Žádná veličina není zadána.");
}

void describeTendons(ReportBuilder& out, const Project& project)
{
    out.heading("Předpínací kabely");
    bool any = false;
    for (size_t t = 0; t < project.tendons.size(); ++t) {
        const TendonSlot& slot = project.tendons[t];
        if (!slot.entered())
            continue;
        any = true;
        out.subheading("Kabel " + slotNumber(t) + ": " + orDash(slot.name));
        out.fact("Typ kabelu", orDash(slot.typeText));
        out.table(storeTable(slot.points));
        out.figure(ReportFigure::TendonLayout, static_cast<int>(t));
    }
    if (!any)
        out.paragraph("Žádný kabel není zadán.");
}

void describeResults(ReportBuilder& out, const Project& project)
{
    const EvaluationResult& results = project.results;
    out.heading("Výsledky");
    ReportTable table;
    table.headings = {"Veličina", "Komentář", "Jednotka"};
    for (size_t t = 0; t < kSlotCount; ++t)
        table.headings.push_back("Kabel " + slotNumber(t));
    const bool grouped = std::find(results.group.begin(), results.group.end(), true) != results.group.end();
    if (grouped)
        table.headings.push_back("Skupina");
    bool any = false;
    for (size_t q = 0; q < kSlotCount; ++q) {
        if (!results.evaluated(static_cast<int>(q)))
            continue;
        any = true;
        std::vector<std::string> row = {slotNumber(q) + " " + results.caption[q], results.comment[q], results.unit[q]};
        for (size_t t = 0; t < kSlotCount; ++t)
            row.push_back(results.value[q][t]);
        if (grouped)
            row.push_back(results.groupSum[q]);
        table.rows.push_back(std::move(row));
    }
    if (!any) {
        out.paragraph("Projekt nebyl vyhodnocen.");
        return;
    }
    out.table(std::move(table));
    if (grouped) {
        std::string members;
        for (size_t t = 0; t < kSlotCount; ++t)
            if (results.group[t])
                members += (members.empty() ? "" : ", ") + slotNumber(t);
        out.paragraph("Skupina kabelů: " + members + ". Sloupec „Skupina“ je součet jejich účinků.");
    }
    out.paragraph("„###“: kabel není zadán. Účinky jsou v jednotkách veličiny; síla kabelu je záporná (tlak), "
                  "excentricita kladná směrem dolů.");
}

// The prestress in the checked sections, as the window "Napětí v průřezu"
// shows it; nothing when no evaluated bending moment has a known station.
void describeSectionChecks(ReportBuilder& out, const Project& project, char sep)
{
    const SectionChecks checks = sectionChecks(project, sep);
    if (checks.message.empty() && checks.tables.empty())
        return;
    out.heading("Napětí v průřezu od předpětí");
    if (!checks.message.empty()) {
        out.paragraph(checks.message);
        return;
    }
    for (const SectionCheckTable& check : checks.tables) {
        const auto q = static_cast<size_t>(check.quantity);
        out.subheading(slotNumber(q) + ". posuzovaná veličina: " + checkedQuantityKind(project.results, check.quantity) +
                       ", X = " + check.station + " m");
        ReportTable table;
        table.headings.push_back("Kabel");
        table.headings.insert(table.headings.end(), kSectionCheckHeadings.begin(), kSectionCheckHeadings.end());
        for (const SectionCheckRow& row : check.rows) {
            std::vector<std::string> cells = {row.label};
            cells.insert(cells.end(), row.cells.begin(), row.cells.end());
            table.rows.push_back(std::move(cells));
        }
        out.table(std::move(table));
        out.paragraph(sectionCheckNote(check));
    }
}

}  // namespace

std::optional<OrdinateExtremes> ordinateExtremes(const TextTable& line, char sep)
{
    std::optional<OrdinateExtremes> extremes;
    long double least = 0, greatest = 0;
    for (int r = 1; r < line.rowCount(); ++r) {
        const auto station = parseNumber(line.cell(r, 0), sep);
        const auto ordinate = parseNumber(line.cell(r, 1), sep);
        if (!station || !ordinate)
            continue;
        if (!extremes) {
            extremes.emplace();
            least = greatest = *ordinate;
            extremes->minimum = extremes->maximum = std::string(line.cell(r, 1));
            extremes->minimumStation = extremes->maximumStation = std::string(line.cell(r, 0));
            continue;
        }
        if (*ordinate < least) {
            least = *ordinate;
            extremes->minimum = line.cell(r, 1);
            extremes->minimumStation = line.cell(r, 0);
        }
        if (*ordinate > greatest) {
            greatest = *ordinate;
            extremes->maximum = line.cell(r, 1);
            extremes->maximumStation = line.cell(r, 0);
        }
    }
    return extremes;
}

ReportContent buildReportContent(const Project& project, char decimalSeparator)
{
    ReportContent content;
    content.projectName = project.info.name;
    ReportBuilder out(content);
    describeProject(out, project);
    describeBeam(out, project, decimalSeparator);
    describeSection(out, project);
    describeQuantities(out, project, decimalSeparator);
    describeTendons(out, project);
    describeResults(out, project);
    describeSectionChecks(out, project, decimalSeparator);
    return content;
}

}  // namespace kvor
