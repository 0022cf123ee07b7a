#include "check/stress_check.h"

#include "loads/load_input.h"
#include "loads/project_loads.h"
#include "model/error.h"
#include "model/numbers.h"
#include "prestress/section_check.h"
#include "stressing/stressing_checks.h"

#include <algorithm>
#include <tuple>

namespace kvor {

const std::array<const char*, kCheckRowCount> kCheckRowNames = {
    "po předpětí", "charakteristická max", "charakteristická min", "kvazistálá max", "kvazistálá min"};

const std::array<const char*, 9> kStressCheckHeadings = {
    "kombinace", "Mext [kNm]", "P [kN]", "Mp [kNm]", "σ_h [MPa]", "σ_d [MPa]", "σ_min [MPa]", "σ_max [MPa]",
    "výsledek"};

const char* const kStressCheckNote =
    "Napětí tah kladný, tlak záporný; P tlak záporný, momenty kladné při tahu dole; σ = P/A + (Mp + Mext)·e/I. "
    "Po předpětí: počáteční síly kabelů a vlastní tíha G0, meze −0,6·f_ck(t) ≤ σ ≤ f_ctm(t). V provozu: síly po "
    "dlouhodobých ztrátách; charakteristická kombinace G0 + G1 + Q + T, meze −0,6·f_ck ≤ σ ≤ f_ctm; kvazistálá "
    "G0 + G1 + ψ2·(Q + T), meze −0,45·f_ck ≤ σ ≤ 0. Mez 0 kvazistálé kombinace je dekomprese: v průřezu není tah "
    "vůbec, zjednodušeně a na straně bezpečnosti. Využití je napětí děleno mezí na jeho straně (1 = mez); tah při "
    "mezi 0 se uvádí v MPa.";

namespace {

// A stress beyond its limit by less than this [MPa] is the rounding of the sums.
constexpr long double kStressTolerance = 1e-9L;

// The long-term share λ = 1 − loss/100 of a tendon; 1 without stressing data.
long double longTermShare(const TendonSlot& tendon, char sep)
{
    if (!tendon.stressing)
        return 1;
    const StressingValuesOrFault checked = checkStressing(*tendon.stressing, sep);
    if (checked.fault)
        throw Error(checked.fault->message);
    return 1 - checked.values->longTermLoss / 100;
}

void fillStresses(StressCheckRow& row, long double force, long double moment, const SectionValues& section)
{
    row.normalForce = force;
    row.prestressMoment = moment;
    const long double axial = checkedDivide(force, section.area);
    const long double total = checkedFinite(moment + row.externalMoment);
    row.stressTop = checkedFinite(axial + checkedDivide(total * section.eTop, section.inertia)) / 1000;
    row.stressBottom = checkedFinite(axial + checkedDivide(total * section.eBottom, section.inertia)) / 1000;
    row.passes = true;
    row.utilisation = 0;
    row.tension.reset();
    for (long double sigma : {row.stressTop, row.stressBottom}) {
        if (sigma < row.limitMin - kStressTolerance || sigma > row.limitMax + kStressTolerance)
            row.passes = false;
        if (sigma < 0)
            row.utilisation = std::max(row.utilisation, sigma / row.limitMin);
        else if (sigma > 0 && row.limitMax > 0)
            row.utilisation = std::max(row.utilisation, sigma / row.limitMax);
        else if (sigma > row.limitMax + kStressTolerance)
            row.tension = std::max(row.tension.value_or(0), sigma - row.limitMax);
    }
}

std::string joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

}  // namespace

StressCheckRows stressCheckRows(const CheckPrestress& prestress, const LoadEffects& loads, const CheckValues& concrete,
                                const SectionValues& section)
{
    const long double tPlus = loads.groupPlus ? loads.groupPlus->value : 0;
    const long double tMinus = loads.groupMinus ? loads.groupMinus->value : 0;
    const long double permanent = loads.selfWeight + loads.permanent;
    const long double variableMax = loads.variablePlus + tPlus;
    const long double variableMin = loads.variableMinus + tMinus;

    StressCheckRows rows{};
    const auto set = [&](CheckRow which, long double external, long double low, long double high) {
        StressCheckRow& row = rows[static_cast<size_t>(which)];
        row.externalMoment = checkedFinite(external);
        row.limitMin = low;
        row.limitMax = high;
        if (which == CheckRow::Transfer)
            fillStresses(row, prestress.force, prestress.moment, section);
        else
            fillStresses(row, prestress.longTermForce, prestress.longTermMoment, section);
    };
    set(CheckRow::Transfer, loads.selfWeight, -0.6L * concrete.strengthAtTransfer, concrete.tensileStrengthAtTransfer);
    set(CheckRow::CharacteristicMax, permanent + variableMax, -0.6L * concrete.strength, concrete.tensileStrength);
    set(CheckRow::CharacteristicMin, permanent + variableMin, -0.6L * concrete.strength, concrete.tensileStrength);
    set(CheckRow::QuasiPermanentMax, permanent + concrete.psi2 * variableMax, -0.45L * concrete.strength, 0);
    set(CheckRow::QuasiPermanentMin, permanent + concrete.psi2 * variableMin, -0.45L * concrete.strength, 0);
    return rows;
}

bool StressCheckTable::passes() const
{
    return std::all_of(rows.begin(), rows.end(), [](const StressCheckRow& r) { return r.passes; });
}

StressChecks stressChecks(const Project& project, char sep)
{
    StressChecks checks;
    std::vector<int> checked;
    for (int q = 0; q < kSlotCount; ++q) {
        const QuantitySlot& quantity = project.quantities[static_cast<size_t>(q)];
        if (project.results.evaluated(q) && !quantity.station.empty() &&
            quantityKindOf(quantity.kindText) == QuantityKind::BendingMoment)
            checked.push_back(q);
    }
    const SectionValuesOrMessage section = sectionValuesForCheck(project.section, sep);
    const std::optional<CheckValues> concrete = checkValues(project.check, sep);

    std::vector<std::string> missing;
    if (checked.empty())
        missing.push_back("vyhodnocená veličina „Ohybový moment“ se známým staničením průřezu X");
    if (!section.values)
        missing.push_back("hodnoty průřezu (" + section.missing + ")");
    if (!project.loads.entered())
        missing.push_back("zatížení");
    if (!concrete)
        missing.push_back("pevnosti betonu f_ck a f_ctm");
    if (!missing.empty()) {
        checks.message = "Pro posouzení napětí chybí " + joined(missing, "; ") + ".";
        return checks;
    }

    const std::vector<QuantityLoadEffects> effects =
        projectLoadEffects(project, loadValues(project.loads, sep), sep);
    std::array<long double, kSlotCount> share{};
    for (size_t t = 0; t < kSlotCount; ++t)
        share[t] = project.tendons[t].entered() ? longTermShare(project.tendons[t], sep) : 1;

    for (int q : checked) {
        const auto loads = std::find_if(effects.begin(), effects.end(),
                                        [q](const QuantityLoadEffects& e) { return e.slot == q; });
        if (loads == effects.end())
            continue;  // the quantity was taken out of the input since the evaluation
        StressCheckTable table;
        table.quantity = q;
        table.station = project.quantities[static_cast<size_t>(q)].station;
        table.section = *section.values;
        const TendonsAtSection at =
            tendonsAtSection(project, q, toNumber(table.station, sep), table.section, sep);
        CheckPrestress prestress;
        for (size_t t = 0; t < kSlotCount; ++t) {
            if (!at.tendons[t])
                continue;
            prestress.force += at.tendons[t]->normalForce;
            prestress.moment += at.tendons[t]->totalMoment;
            prestress.longTermForce += share[t] * at.tendons[t]->normalForce;
            prestress.longTermMoment += share[t] * at.tendons[t]->totalMoment;
        }
        table.rows = stressCheckRows(prestress, loads->effects, *concrete, table.section);
        checks.tables.push_back(std::move(table));
    }
    return checks;
}

std::array<CheckRow, 3> governingRows(const StressCheckTable& table)
{
    const auto key = [&](CheckRow r) {
        const StressCheckRow& row = table.rows[static_cast<size_t>(r)];
        return std::make_tuple(!row.passes, row.tension.value_or(0), row.utilisation);
    };
    const auto worse = [&](CheckRow a, CheckRow b) { return key(b) > key(a) ? b : a; };
    return {CheckRow::Transfer, worse(CheckRow::CharacteristicMax, CheckRow::CharacteristicMin),
            worse(CheckRow::QuasiPermanentMax, CheckRow::QuasiPermanentMin)};
}

std::string utilisationText(const StressCheckRow& row, char sep)
{
    std::string ratio = formatFixed(row.utilisation, 2, sep);
    if (!row.tension)
        return ratio;
    std::string text = "tah " + formatFixed(*row.tension, 2, sep) + " MPa";
    return row.utilisation > 0 ? text + "; " + ratio : text;
}

TextTable stressCheckTextTable(const StressCheckTable& table, char sep, bool withUtilisation)
{
    const int columns = static_cast<int>(kStressCheckHeadings.size()) + (withUtilisation ? 1 : 0);
    TextTable text(static_cast<int>(kCheckRowCount) + 1, columns);
    for (size_t c = 0; c < kStressCheckHeadings.size(); ++c)
        text.setCell(0, static_cast<int>(c), kStressCheckHeadings[c]);
    if (withUtilisation)
        text.setCell(0, columns - 1, "využití");
    for (size_t r = 0; r < kCheckRowCount; ++r) {
        const StressCheckRow& row = table.rows[r];
        const int at = static_cast<int>(r) + 1;
        text.setCell(at, 0, kCheckRowNames[r]);
        const long double values[] = {row.externalMoment, row.normalForce, row.prestressMoment, row.stressTop,
                                      row.stressBottom,   row.limitMin,    row.limitMax};
        for (size_t c = 0; c < std::size(values); ++c)
            text.setCell(at, static_cast<int>(c) + 1, formatNumber(values[c], sep));
        text.setCell(at, 8, row.passes ? kPassesText : kFailsText);
        if (withUtilisation)
            text.setCell(at, 9, utilisationText(row, sep));
    }
    return text;
}

std::string stressCheckVerdict(const StressCheckTable& table)
{
    const std::string section = "Průřez v X = " + table.station + " m ";
    std::vector<std::string> failing;
    for (size_t r = 0; r < kCheckRowCount; ++r)
        if (!table.rows[r].passes)
            failing.push_back(kCheckRowNames[r]);
    if (failing.empty())
        return section + kPassesText + ".";
    return section + kFailsText + ": " + joined(failing, ", ") + ".";
}

}  // namespace kvor
