#include "prestress/section_check.h"

#include "model/numbers.h"
#include "results/group_sums.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>

namespace kvor {

namespace {

std::array<std::string, 8> cellsOf(const std::string& station, const SectionPrestress& at, char sep)
{
    return {station,
            formatNumber(at.normalForce, sep),
            formatNumber(at.eccentricity, sep),
            formatNumber(at.primaryMoment, sep),
            formatNumber(at.secondaryMoment, sep),
            formatNumber(at.totalMoment, sep),
            formatNumber(at.stressTop, sep),
            formatNumber(at.stressBottom, sep)};
}

std::array<std::string, 8> notEntered(const std::string& station)
{
    std::array<std::string, 8> cells;
    cells.fill(std::string(kNoValueText));
    cells[0] = station;
    return cells;
}

}  // namespace

SectionValuesOrMessage sectionValuesForCheck(const CrossSection& section, char sep)
{
    struct Field {
        const std::string& text;
        const char* name;
    };
    const Field fields[] = {{section.area, "plocha A"},
                            {section.inertia, "moment setrvačnosti I"},
                            {section.eBottom, "vzdálenost dolních vláken e_d"},
                            {section.eTop, "vzdálenost horních vláken e_h"}};
    std::string missing;
    std::array<long double, 4> values{};
    for (size_t i = 0; i < 4; ++i) {
        const auto value = parseNumber(fields[i].text, sep);
        if (value)
            values[i] = *value;
        else
            missing += (missing.empty() ? "" : ", ") + std::string(fields[i].name);
    }
    if (!missing.empty())
        return {std::nullopt, "Pro posouzení napětí v průřezu chybí hodnoty průřezu: " + missing + ".", missing};
    return {SectionValues{values[0], values[1], values[2], values[3]}, {}, {}};
}

std::vector<PolygonPoint> tendonPolygon(const TendonSlot& slot, char sep)
{
    const TextTable polygon = evaluatedPolygon(slot, sep);
    std::vector<PolygonPoint> points;
    points.reserve(static_cast<size_t>(std::max(0, polygon.rowCount() - 1)));
    for (int r = 1; r < polygon.rowCount(); ++r)
        points.push_back({toNumber(polygon.cell(r, 0), sep), toNumber(polygon.cell(r, 1), sep),
                          toNumber(polygon.cell(r, 2), sep)});
    return points;
}

TendonsAtSection tendonsAtSection(const Project& project, int q, long double x, const SectionValues& section,
                                  char sep)
{
    TendonsAtSection at;
    const EvaluationResult& results = project.results;
    for (size_t t = 0; t < kSlotCount; ++t) {
        const TendonSlot& tendon = project.tendons[t];
        const std::string& value = results.value[static_cast<size_t>(q)][t];
        if (!tendon.entered() || value == kNoValueText || value.empty())
            continue;
        const long double moment = toNumber(value, sep);
        SectionPrestress p = prestressAtStation(tendonPolygon(tendon, sep), tendon.type == TendonType::Straight, x,
                                                moment, section);
        if (!p.onTendon) {
            // Off the tendon there is no force and no primary moment, but the
            // supports of a continuous beam still carry the tendon's secondary
            // moment to X: M stays the evaluated effect, all of it secondary.
            p.totalMoment = moment;
            p.secondaryMoment = moment;
            p = sumOfPrestress({p}, section);
            at.offTendon.push_back(static_cast<int>(t) + 1);
        } else if (p.atPoint) {
            at.atPoint.push_back(static_cast<int>(t) + 1);
        }
        at.tendons[t] = p;
    }
    return at;
}

std::optional<SectionCheckTable> sectionCheckTable(const Project& project, int q, const std::string& station,
                                                   const SectionValues& section, char sep)
{
    const QuantitySlot& quantity = project.quantities[static_cast<size_t>(q)];
    const EvaluationResult& results = project.results;
    if (!results.evaluated(q) || quantityKindOf(quantity.kindText) != QuantityKind::BendingMoment ||
        station.empty())
        return std::nullopt;
    TendonsAtSection at = tendonsAtSection(project, q, toNumber(station, sep), section, sep);

    SectionCheckTable table;
    table.quantity = q;
    table.station = station;
    table.offTendon = std::move(at.offTendon);
    table.atPoint = std::move(at.atPoint);
    std::vector<SectionPrestress> all, group;
    for (size_t t = 0; t < kSlotCount; ++t) {
        const std::string label = formatInteger(static_cast<long long>(t) + 1);
        if (!at.tendons[t]) {
            table.rows.push_back({label, notEntered(station)});
            continue;
        }
        table.rows.push_back({label, cellsOf(station, *at.tendons[t], sep)});
        all.push_back(*at.tendons[t]);
        if (results.group[t])
            group.push_back(*at.tendons[t]);
    }
    if (std::find(results.group.begin(), results.group.end(), true) != results.group.end())
        table.rows.push_back({"skupina", cellsOf(station, sumOfPrestress(group, section), sep)});
    table.rows.push_back({"celkem", cellsOf(station, sumOfPrestress(all, section), sep)});
    return table;
}

SectionChecks sectionChecks(const Project& project, char sep)
{
    SectionChecks checks;
    bool anyStation = false;
    for (int q = 0; q < kSlotCount; ++q) {
        const QuantitySlot& quantity = project.quantities[static_cast<size_t>(q)];
        anyStation = anyStation || (project.results.evaluated(q) && !quantity.station.empty() &&
                                    quantityKindOf(quantity.kindText) == QuantityKind::BendingMoment);
    }
    if (!anyStation)
        return checks;
    const SectionValuesOrMessage section = sectionValuesForCheck(project.section, sep);
    if (!section.values) {
        checks.message = section.message;
        return checks;
    }
    for (int q = 0; q < kSlotCount; ++q)
        if (auto table = sectionCheckTable(project, q, project.quantities[static_cast<size_t>(q)].station,
                                           *section.values, sep))
            checks.tables.push_back(std::move(*table));
    return checks;
}

std::string sectionCheckNote(const SectionCheckTable& table)
{
    const auto listOf = [](const std::vector<int>& tendons) {
        std::string list;
        for (int t : tendons)
            list += (list.empty() ? "" : ", ") + formatInteger(t);
        return list;
    };
    std::string note = kSectionCheckConventions;
    if (!table.offTendon.empty()) {
        const std::string list = listOf(table.offTendon);
        note += table.offTendon.size() == 1 ? " Kabel " + list + " průřezem neprochází"
                                            : " Kabely " + list + " průřezem neprocházejí";
        note += ": P = e = M1 = 0, moment M je celý sekundární.";
    }
    if (!table.atPoint.empty()) {
        const std::string list = listOf(table.atPoint);
        note += table.atPoint.size() == 1 ? " Kabel " + list + " má v průřezu svůj bod"
                                          : " Kabely " + list + " mají v průřezu svůj bod";
        note += " (zlom, změnu síly nebo kotvu): P a M1 jsou průměrem hodnot vlevo a vpravo od bodu, "
                "stejně jako M, e = M1/P.";
    }
    return note;
}

std::string checkedQuantityKind(const EvaluationResult& results, int q)
{
    std::string caption = results.caption[static_cast<size_t>(q)];
    if (caption.starts_with("- "))
        caption.erase(0, 2);
    return caption;
}

TextTable sectionCheckTextTable(const SectionCheckTable& table)
{
    TextTable text(static_cast<int>(table.rows.size()) + 1, 1 + static_cast<int>(kSectionCheckHeadings.size()));
    text.setCell(0, 0, "Kabel");
    for (size_t c = 0; c < kSectionCheckHeadings.size(); ++c)
        text.setCell(0, static_cast<int>(c) + 1, kSectionCheckHeadings[c]);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        text.setCell(row, 0, table.rows[r].label);
        for (size_t c = 0; c < table.rows[r].cells.size(); ++c)
            text.setCell(row, static_cast<int>(c) + 1, table.rows[r].cells[c]);
    }
    return text;
}

}  // namespace kvor
