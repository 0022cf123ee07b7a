#include "loads/load_input.h"

#include "influence/table_checks.h"
#include "model/error.h"
#include "model/number_field.h"
#include "model/numbers.h"

#include <array>

namespace kvor {

namespace {

constexpr std::array<NumberFieldRule<LoadInput>, 3> kLoadFields = {{
    {Field::LoadSelfWeight, &LoadInput::selfWeight, "Vlastní tíha g0 musí být zadána jako číslo!"},
    {Field::LoadPermanent, &LoadInput::permanent, "Ostatní stálé zatížení g1 musí být zadáno jako číslo!"},
    {Field::LoadVariable, &LoadInput::variable, "Rovnoměrné proměnné zatížení q musí být zadáno jako číslo!"},
}};

Report tableReport(std::string message) { return {std::move(message), Beep::AfterMessage, Field::AxleTable, {}}; }

std::string rowText(int row) { return formatInteger(row) + ".řádku"; }

std::optional<LoadFault> forceFault(const TextTable& axles, int rows, char sep)
{
    for (int r = 1; r <= rows; ++r) {
        const std::optional<long double> f = parseNumber(axles.cell(r, 0), sep);
        if (!f)
            return LoadFault{tableReport(std::string(kFirstColumnOpening) + rowText(r) + " neobsahuje číslo!"), r, 0};
        if (*f <= 0)
            return LoadFault{tableReport("Síla nápravy v " + rowText(r) + " musí být větší než 0!"), r, 0};
    }
    return std::nullopt;
}

std::optional<LoadFault> distanceFault(const TextTable& axles, int rows, char sep)
{
    long double before = 0;
    for (int r = 1; r <= rows; ++r) {
        const std::optional<long double> a = parseNumber(axles.cell(r, 1), sep);
        if (!a)
            return LoadFault{tableReport(std::string(kSecondColumnOpening) + rowText(r) + " neobsahuje číslo!"), r, 1};
        if (r == 1 && *a != 0)
            return LoadFault{tableReport("Vzdálenost první nápravy musí být 0!"), r, 1};
        if (r > 1 && *a <= before)
            return LoadFault{tableReport("Vzdálenosti náprav musí být zadány vzestupně, vzdálenost v " + rowText(r) +
                                         " není větší než v " + rowText(r - 1) + "!"),
                             r, 1};
        before = *a;
    }
    return std::nullopt;
}

const char* kTooManyAxles = "Skupina může mít nejvýše 20 náprav!";

long double valueOrZero(std::string_view text, char sep) { return text.empty() ? 0.0L : toNumber(text, sep); }

}  // namespace

std::optional<std::string> selfWeightProposal(const CrossSection& section, char sep)
{
    const std::optional<long double> area = parseNumber(section.area, sep);
    if (!area || !(*area > 0))
        return std::nullopt;
    const long double weight = *area * kConcreteUnitWeight;
    if (!std::isfinite(weight))
        return std::nullopt;
    return formatNumber(weight, sep);
}

std::optional<Report> checkLoadField(const LoadInput& loads, Field field, char sep)
{
    // Every number is accepted here.
    return checkNumberField(kLoadFields, loads, field, sep, [](Field, long double) { return true; });
}

std::optional<Report> checkAxleCount(std::string_view countText)
{
    const std::optional<int32_t> count = parseInteger(countText);
    if (count && *count >= 0 && *count <= kMaxAxleCount)
        return std::nullopt;
    return Report{"Počet náprav musí být celé číslo od 0 do " + formatInteger(kMaxAxleCount) + "!",
                  Beep::AfterMessage, Field::AxleCount, {}};
}

void setAxleCount(LoadInput& loads, int count)
{
    loads.axles.resize(count + 1, 2);
    loads.axles.setRow(0, {kAxleTableHeadings[0], kAxleTableHeadings[1]});
    if (count > 0 && loads.axles.cell(1, 1).empty())
        loads.axles.setCell(1, 1, "0");
}

std::vector<LoadFault> findAxleFaults(const TextTable& axles, char sep)
{
    const int rows = axles.rowCount() - 1;
    if (rows > kMaxAxleCount)
        return {LoadFault{{kTooManyAxles, Beep::AfterMessage, Field::AxleCount, {}}, 0, 0}};
    std::vector<LoadFault> faults;
    if (std::optional<LoadFault> f = forceFault(axles, rows, sep))
        faults.push_back(std::move(*f));
    if (std::optional<LoadFault> f = distanceFault(axles, rows, sep))
        faults.push_back(std::move(*f));
    return faults;
}

Reports checkAxleTable(const TextTable& axles, char sep)
{
    Reports reports;
    for (LoadFault& f : findAxleFaults(axles, sep))
        reports.push_back(std::move(f.report));
    return reports;
}

std::optional<LoadFault> findLoadFault(const LoadInput& loads, char sep)
{
    for (const NumberFieldRule<LoadInput>& rule : kLoadFields)
        if (std::optional<Report> r = checkLoadField(loads, rule.field, sep))
            return LoadFault{std::move(*r), 0, 0};
    std::vector<LoadFault> faults = findAxleFaults(loads.axles, sep);
    if (faults.empty())
        return std::nullopt;
    return std::move(faults.front());
}

LoadValues loadValues(const LoadInput& loads, char sep)
{
    if (std::optional<LoadFault> fault = findLoadFault(loads, sep))
        throw Error(fault->report.message);
    LoadValues values;
    values.uniform = {valueOrZero(loads.selfWeight, sep), valueOrZero(loads.permanent, sep),
                      valueOrZero(loads.variable, sep)};
    for (int r = 1; r <= loads.axleCount(); ++r) {
        values.axles.forces.push_back(toNumber(loads.axles.cell(r, 0), sep));
        values.axles.distances.push_back(toNumber(loads.axles.cell(r, 1), sep));
    }
    return values;
}

}  // namespace kvor
