#include "check/check_input.h"

#include "model/error.h"
#include "model/number_field.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace kvor {

const std::array<ConcreteClass, 7> kConcreteClasses = {{
    {"C20/25", "20", "2.2"},
    {"C25/30", "25", "2.6"},
    {"C30/37", "30", "2.9"},
    {"C35/45", "35", "3.2"},
    {"C40/50", "40", "3.5"},
    {"C45/55", "45", "3.8"},
    {"C50/60", "50", "4.1"},
}};

namespace {

constexpr std::array<NumberFieldRule<CheckInput>, 5> kCheckFields = {{
    {Field::CheckStrength, &CheckInput::strength,
     "Charakteristická pevnost betonu v tlaku f_ck musí být číslo větší než 0!"},
    {Field::CheckTensileStrength, &CheckInput::tensileStrength,
     "Průměrná pevnost betonu v tahu f_ctm musí být číslo větší než 0!"},
    {Field::CheckStrengthAtTransfer, &CheckInput::strengthAtTransfer,
     "Pevnost betonu v tlaku při předpětí f_ck(t) musí být číslo větší než 0!"},
    {Field::CheckTensileStrengthAtTransfer, &CheckInput::tensileStrengthAtTransfer,
     "Pevnost betonu v tahu při předpětí f_ctm(t) musí být číslo větší než 0!"},
    {Field::CheckPsi2, &CheckInput::psi2, "Součinitel ψ2 proměnného zatížení musí být číslo od 0 do 1!"},
}};

std::string withSeparator(const char* pointText, char sep)
{
    std::string text = pointText;
    std::replace(text.begin(), text.end(), '.', sep);
    return text;
}

bool inRange(Field field, long double value)
{
    if (field == Field::CheckPsi2)
        return value >= 0 && value <= 1;
    return value > 0 && std::isfinite(value);
}

}  // namespace

void setConcreteClass(CheckInput& input, size_t index, char sep)
{
    const ConcreteClass& c = kConcreteClasses.at(index);
    input.strength = withSeparator(c.strength, sep);
    input.tensileStrength = withSeparator(c.tensileStrength, sep);
}

std::optional<size_t> concreteClassOf(const CheckInput& input, char sep)
{
    const std::optional<long double> fck = parseNumber(input.strength, sep);
    const std::optional<long double> fctm = parseNumber(input.tensileStrength, sep);
    if (!fck || !fctm)
        return std::nullopt;
    for (size_t i = 0; i < kConcreteClasses.size(); ++i)
        if (*fck == toNumber(kConcreteClasses[i].strength, '.') &&
            *fctm == toNumber(kConcreteClasses[i].tensileStrength, '.'))
            return i;
    return std::nullopt;
}

std::optional<Report> checkCheckField(const CheckInput& input, Field field, char sep)
{
    return checkNumberField(kCheckFields, input, field, sep, inRange);
}

std::optional<Report> findCheckFault(const CheckInput& input, char sep)
{
    for (const NumberFieldRule<CheckInput>& rule : kCheckFields)
        if (std::optional<Report> r = checkCheckField(input, rule.field, sep))
            return r;
    return std::nullopt;
}

std::optional<CheckValues> checkValues(const CheckInput& input, char sep)
{
    if (std::optional<Report> fault = findCheckFault(input, sep))
        throw Error(fault->message);
    if (input.strength.empty() || input.tensileStrength.empty())
        return std::nullopt;
    CheckValues v;
    v.strength = toNumber(input.strength, sep);
    v.tensileStrength = toNumber(input.tensileStrength, sep);
    v.strengthAtTransfer = input.strengthAtTransfer.empty() ? v.strength : toNumber(input.strengthAtTransfer, sep);
    v.tensileStrengthAtTransfer =
        input.tensileStrengthAtTransfer.empty() ? v.tensileStrength : toNumber(input.tensileStrengthAtTransfer, sep);
    v.psi2 = input.psi2.empty() ? 0 : toNumber(input.psi2, sep);
    return v;
}

}  // namespace kvor
