#include "report/report_content.h"

#include "analysis/slot_generation.h"
#include "loads/load_views.h"
#include "model/error.h"
#include "model/numbers.h"
#include "prestress/section_check.h"
#include "report/stress_check_report.h"
#include "report/stressing_report.h"
#include "results/group_sums.h"
#include "tendons/parabolic_polygon.h"
#include "structure/beam.h"
#include "structure/section.h"

#include <algorithm>
#include <cmath>

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
    // Headings and facts stay with what follows them.
    void heading(std::string text) { add(ReportBlock::Kind::Heading, std::move(text)).keepWithNext = true; }
    void subheading(std::string text) { add(ReportBlock::Kind::Subheading, std::move(text)).keepWithNext = true; }
    void paragraph(std::string text) { add(ReportBlock::Kind::Paragraph, std::move(text)); }
    void fact(std::string name, std::string value)
    {
        ReportBlock& block = add(ReportBlock::Kind::Fact, std::move(name));
        block.value = std::move(value);
        block.keepWithNext = true;
    }
    void table(ReportTable table) { add(ReportBlock::Kind::Table, {}).table = std::move(table); }
    void figure(ReportFigure figure, int slot = -1)
    {
        ReportBlock& block = add(ReportBlock::Kind::Figure, {});
        block.figure = figure;
        block.slot = slot;
    }
    // The block just added stays on the page of the next one.
    void keepWithNext() { content_.blocks.back().keepWithNext = true; }

private:
    ReportBlock& add(ReportBlock::Kind kind, std::string text)
    {
        content_.blocks.push_back(ReportBlock{kind, std::move(text), {}, {}, ReportFigure::Beam, -1});
        return content_.blocks.back();
    }

    ReportContent& content_;
};

// The rule of forReading, as the report states it.
std::string roundingNote(char sep)
{
    const auto step = [sep](int decimals) { return formatFixed(std::pow(10.0L, -decimals), decimals, sep); };
    return "Čísla jsou v protokolu zaokrouhlena pro čtení: síly [kN] a momenty [kNm] na " + step(1) +
           ", napětí [MPa] na " + step(2) + ", staničení, délky a excentricity [m] na " + step(3) +
           ", průhyby [m] a pootočení [rad] na " + step(6) +
           ", ostatní (pořadnice příčinkových čar, plocha a moment setrvačnosti průřezu) na 5 platných číslic. "
           "Okna programu a soubory CSV ukazují všech 15 platných číslic.";
}

// A store table (row 0 headings) as a report table, each column rounded as
// `columns` says and headed with its unit; very long ones keep their first
// and last rows.
struct ReportColumn {
    const char* heading;
    Reading reading;
};

ReportTable storeTable(const TextTable& store, const std::vector<ReportColumn>& columns, char sep)
{
    ReportTable table;
    const int shown = std::min(store.colCount(), static_cast<int>(columns.size()));
    for (int c = 0; c < shown; ++c)
        table.headings.emplace_back(columns[static_cast<size_t>(c)].heading);
    const int rows = std::max(0, store.rowCount() - 1);
    const int keepEachEnd = kReportTableRowLimit / 2;
    auto addRow = [&](int r) {
        std::vector<std::string> row;
        for (int c = 0; c < shown; ++c)
            row.push_back(forReading(store.cell(r, c), columns[static_cast<size_t>(c)].reading, sep));
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

std::string length(const std::string& text, char sep) { return orDash(forReading(text, Reading::Length, sep)); }

void describeProject(ReportBuilder& out, const Project& project, char sep)
{
    out.title("Protokol výpočtu");
    out.fact("Projekt", orDash(project.info.name));
    out.fact("Popis", orDash(project.info.description));
    out.fact("Autor", orDash(project.info.author));
    out.fact("Datum vytvoření", orDash(project.info.createdOn));
    out.fact("Program", "Kvor1.1");
    out.paragraph(roundingNote(sep));
}

void describeBeam(ReportBuilder& out, const Project& project, char sep)
{
    const BeamModel& beam = project.beam;
    out.heading("Nosník");
    ReportTable spans;
    spans.headings = {"Pole", "Délka [m]"};
    if (beam.kind == BeamKind::Simple) {
        out.fact("Druh", "prostý nosník");
        spans.rows.push_back({"1", length(beam.length, sep)});
    } else {
        const int members = beam.members.rowCount() - 1;
        out.fact("Druh", "spojitý nosník o " + std::to_string(members) + " polích");
        for (int r = 1; r <= members; ++r)
            spans.rows.push_back({std::string(beam.members.cell(r, 0)), length(std::string(beam.members.cell(r, 1)), sep)});
    }
    std::string total = "–";
    try {
        total = forReading(formatNumber(totalBeamLength(beam, sep), sep), Reading::Length, sep);
    } catch (const std::exception&) {
        // A length that is no number: the report shows what was typed, the total stays open.
    }
    out.fact("Celková délka [m]", total);
    out.table(std::move(spans));
    out.keepWithNext();
    out.figure(ReportFigure::Beam);
}

void describeSection(ReportBuilder& out, const Project& project, char sep)
{
    const CrossSection& section = project.section;
    out.heading("Průřez");
    out.fact("Typ průřezu", kSectionTypeNames[static_cast<size_t>(section.type)]);
    const SectionLayout layout = sectionLayout(section.type);
    for (size_t i = 0; i < section.dimensions.size(); ++i)
        if (layout.dimensionVisible[i])
            out.fact(layout.dimensionLabels[i], length(section.dimensions[i], sep));
    out.fact("Plocha A [m²]", orDash(forReading(section.area, Reading::Significant, sep)));
    out.fact("Moment setrvačnosti I [m⁴]", orDash(forReading(section.inertia, Reading::Significant, sep)));
    out.fact("Vzdálenost dolních vláken e_d [m]", length(section.eBottom, sep));
    out.fact("Vzdálenost horních vláken e_h [m]", length(section.eTop, sep));
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

bool isStale(const std::vector<int>& staleSlots, size_t q)
{
    return std::find(staleSlots.begin(), staleSlots.end(), static_cast<int>(q) + 1) != staleSlots.end();
}

// A part of the report with a heading, the entered slots described one after
// the other, and `none` when no slot is entered.
template <typename Slots, typename Describe>
void describeEntered(ReportBuilder& out, const char* heading, const Slots& slots, const char* none,
                     Describe describe)
{
    out.heading(heading);
    bool any = false;
    for (size_t k = 0; k < slots.size(); ++k) {
        if (!slots[k].entered())
            continue;
        any = true;
        describe(slots[k], k);
    }
    if (!any)
        out.paragraph(none);
}

void describeQuantities(ReportBuilder& out, const Project& project, const std::vector<int>& staleSlots, char sep)
{
    describeEntered(out, "Posuzované veličiny", project.quantities, "Žádná veličina není zadána.",
                    [&](const QuantitySlot& slot, size_t k) {
        out.subheading("Veličina " + slotNumber(k) + ": " + orDash(slot.kindText));
        out.fact("Komentář", orDash(slot.description));
        if (!slot.station.empty())
            out.fact("Staničení průřezu X [m]", length(slot.station, sep));
        out.fact("Příčinková čára", entryModeText(slot));
        if (isStale(staleSlots, k)) {
            out.paragraph(staleLineWarning(static_cast<int>(k) + 1));
            out.keepWithNext();
        }
        out.fact("Počet bodů", std::to_string(std::max(0, slot.line.rowCount() - 1)));
        if (const auto extremes = ordinateExtremes(slot.line, sep)) {
            out.fact("Nejmenší pořadnice", forReading(extremes->minimum, Reading::Significant, sep) + " v x = " +
                                               length(extremes->minimumStation, sep) + " m");
            out.fact("Největší pořadnice", forReading(extremes->maximum, Reading::Significant, sep) + " v x = " +
                                               length(extremes->maximumStation, sep) + " m");
        }
        out.figure(ReportFigure::InfluenceLine, static_cast<int>(k));
    });
}

// The store's columns: station, eccentricity and force, and for a parabolic
// tendon the eccentricity in the middle of the segment that starts at the row.
const std::vector<ReportColumn> kTendonColumns = {{"Staničení [m]", Reading::Length},
                                                  {"Excentricita [m]", Reading::Length},
                                                  {"Předpínací síla [kN]", Reading::Force},
                                                  {"Excentricita uprostřed úseku [m]", Reading::Length}};

void describeTendons(ReportBuilder& out, const Project& project, char sep)
{
    describeEntered(out, "Předpínací kabely", project.tendons, "Žádný kabel není zadán.",
                    [&](const TendonSlot& slot, size_t t) {
        out.subheading("Kabel " + slotNumber(t) + ": " + orDash(slot.name));
        out.fact("Typ kabelu", orDash(slot.typeText));
        if (isParabolicType(slot.type))
            out.fact("Počet dělení paraboly D", orDash(slot.divisions));
        out.table(storeTable(slot.points, kTendonColumns, sep));
        out.keepWithNext();
        out.figure(ReportFigure::TendonLayout, static_cast<int>(t));
    });
}

// The group's sum of quantity q, as "Výsledky" of the group panel forms it
// from the shown values; "–" while a value of the group is no number (the
// results were left by "Zpět na zadání").
std::string groupSumText(const Project& project, size_t q, char sep)
{
    try {
        return formatNumber(groupSum(project, static_cast<int>(q), sep), sep);
    } catch (const Error&) {
        return "–";
    }
}

void describeResults(ReportBuilder& out, const Project& project, const std::vector<int>& staleSlots, char sep)
{
    const EvaluationResult& results = project.results;
    out.heading("Výsledky");
    ReportTable table;
    table.headings = {"Veličina", "Komentář", "Jednotka"};
    for (size_t t = 0; t < kSlotCount; ++t)
        table.headings.push_back("Kabel " + slotNumber(t));
    const bool grouped = groupChosen(results);
    if (grouped)
        table.headings.push_back("Skupina");
    bool any = false;
    std::vector<std::string> warnings;
    for (size_t q = 0; q < kSlotCount; ++q) {
        if (!results.evaluated(static_cast<int>(q)))
            continue;
        any = true;
        const Reading reading = readingOfResultUnit(results.unit[q]);
        std::vector<std::string> row = {slotNumber(q) + " " + results.caption[q], results.comment[q], results.unit[q]};
        for (size_t t = 0; t < kSlotCount; ++t)
            row.push_back(forReading(results.value[q][t], reading, sep));
        if (grouped)
            row.push_back(forReading(groupSumText(project, q, sep), reading, sep));
        table.rows.push_back(std::move(row));
        if (isStale(staleSlots, q))
            warnings.push_back(staleLineWarning(static_cast<int>(q) + 1));
    }
    if (!any) {
        out.paragraph("Projekt nebyl vyhodnocen.");
        return;
    }
    out.table(std::move(table));
    for (std::string& warning : warnings) {
        out.keepWithNext();
        out.paragraph(std::move(warning));
    }
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
void describeSectionChecks(ReportBuilder& out, const Project& project, const std::vector<int>& staleSlots, char sep)
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
                       ", X = " + length(check.station, sep) + " m");
        if (isStale(staleSlots, q)) {
            out.paragraph(staleLineWarning(check.quantity + 1));
            out.keepWithNext();
        }
        ReportTable table;
        table.headings.push_back("Kabel");
        table.headings.insert(table.headings.end(), kSectionCheckHeadings.begin(), kSectionCheckHeadings.end());
        for (const SectionCheckRow& row : check.rows) {
            std::vector<std::string> cells = {row.label};
            for (size_t c = 0; c < row.cells.size(); ++c)
                cells.push_back(forReading(row.cells[c], readingOfHeading(kSectionCheckHeadings[c]), sep));
            table.rows.push_back(std::move(cells));
        }
        out.table(std::move(table));
        out.keepWithNext();  // the note says how to read the table
        out.paragraph(sectionCheckNote(check));
    }
}

// The loads and what they do through the influence lines, as the window
// "Účinky zatížení" shows them; nothing when no loads were entered.
void describeLoads(ReportBuilder& out, const Project& project, char sep)
{
    const LoadInput& loads = project.loads;
    if (!loads.entered())
        return;
    out.heading("Zatížení");
    const auto load = [sep](const std::string& text) {
        return (text.empty() ? std::string("0") : forReading(text, Reading::Force, sep)) + " kN/m";
    };
    out.fact("Vlastní tíha g0", load(loads.selfWeight));
    out.fact("Ostatní stálé zatížení g1", load(loads.permanent));
    out.fact("Rovnoměrné proměnné zatížení q", load(loads.variable));
    if (loads.axleCount() == 0) {
        out.paragraph("Bez skupiny náprav.");
    } else {
        out.subheading("Skupina náprav");
        ReportTable axles;
        axles.headings = {"Náprava", "F [kN]", "a [m]"};
        for (int r = 1; r <= loads.axleCount(); ++r)
            axles.rows.push_back({std::to_string(r), forReading(std::string(loads.axles.cell(r, 0)), Reading::Force, sep),
                                  forReading(std::string(loads.axles.cell(r, 1)), Reading::Length, sep)});
        out.table(std::move(axles));
    }

    out.subheading("Účinky zatížení");
    std::vector<QuantityLoadEffects> effects;
    try {
        effects = projectLoadEffects(project, sep);
    } catch (const Error& e) {
        out.paragraph(std::string("Účinky zatížení nelze vypočítat: ") + e.what() + ".");
        return;
    }
    if (effects.empty()) {
        out.paragraph("Žádná veličina nemá zadanou příčinkovou čáru.");
        return;
    }
    const TextTable shown = loadEffectsTable(project, effects, sep);
    ReportTable table;
    for (int c = 0; c < shown.colCount(); ++c)
        table.headings.emplace_back(shown.cell(0, c));
    for (int r = 1; r < shown.rowCount(); ++r) {
        const Reading effect = readingOfResultUnit(shown.cell(r, 1));
        std::vector<std::string> row;
        for (int c = 0; c < shown.colCount(); ++c) {
            const std::string text(shown.cell(r, c));
            const std::string_view heading = shown.cell(0, c);
            if (c < 2 || heading.starts_with("d"))
                row.push_back(text);
            else
                row.push_back(forReading(text, heading.ends_with("[m]") ? Reading::Length : effect, sep));
        }
        table.rows.push_back(std::move(row));
    }
    out.table(std::move(table));
    out.keepWithNext();
    out.paragraph("Účinky jsou v jednotkách veličiny, zatížení kladné směrem dolů. G0, G1: stálá zatížení po celé "
                  "délce nosníku; Q+, Q−: q na kladných, resp. záporných úsecích příčinkové čáry; T+, T−: největší a "
                  "nejmenší účinek skupiny náprav, p staničení první nápravy, d „+“ když ostatní nápravy následují ve "
                  "větších staničeních, „-“ v menších.");
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

std::string forReading(std::string_view text, Reading how, char sep)
{
    const std::optional<long double> value = parseNumber(text, sep);
    if (!value)
        return std::string(text);
    switch (how) {
    case Reading::Force:
        return formatFixed(*value, 1, sep);
    case Reading::Stress:
        return formatFixed(*value, 2, sep);
    case Reading::Length:
        return formatFixed(*value, 3, sep);
    case Reading::Small:
        return formatFixed(*value, 6, sep);
    case Reading::Significant:
        break;
    }
    return formatSignificant(*value, 5, sep);
}

Reading readingOfResultUnit(std::string_view unit)
{
    if (unit == "[kNm]" || unit == "[kN]")
        return Reading::Force;
    if (unit == "[m]" || unit == "[rad]")  // the deflection and the rotation
        return Reading::Small;
    return Reading::Significant;
}

Reading readingOfHeading(std::string_view heading)
{
    if (heading.ends_with("[kN]") || heading.ends_with("[kNm]"))
        return Reading::Force;
    if (heading.ends_with("[MPa]"))
        return Reading::Stress;
    if (heading.ends_with("[m]"))
        return Reading::Length;
    return Reading::Significant;
}

ReportContent buildReportContent(const Project& project, char decimalSeparator)
{
    ReportContent content;
    content.projectName = project.info.name;
    ReportBuilder out(content);
    // Generated lines the beam no longer gives: every part that speaks of
    // their quantity says so.
    const std::vector<int> stale = staleGeneratedSlots(project, decimalSeparator);
    // The stress check's verdict stands on the first page, its section after
    // the prestress in the sections.
    StressCheckReport stressCheck = stressCheckReport(project, decimalSeparator);
    describeProject(out, project, decimalSeparator);
    if (stressCheck.verdict)
        content.blocks.push_back(std::move(*stressCheck.verdict));
    describeBeam(out, project, decimalSeparator);
    describeSection(out, project, decimalSeparator);
    describeQuantities(out, project, stale, decimalSeparator);
    describeTendons(out, project, decimalSeparator);
    for (ReportBlock& block : stressingReportBlocks(project, decimalSeparator))
        content.blocks.push_back(std::move(block));
    describeResults(out, project, stale, decimalSeparator);
    describeSectionChecks(out, project, stale, decimalSeparator);
    content.blocks.insert(content.blocks.end(), std::make_move_iterator(stressCheck.blocks.begin()),
                          std::make_move_iterator(stressCheck.blocks.end()));
    describeLoads(out, project, decimalSeparator);
    return content;
}

}  // namespace kvor
