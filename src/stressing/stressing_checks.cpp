#include "stressing/stressing_checks.h"

#include "model/numbers.h"

#include <array>
#include <cmath>

namespace kvor {
namespace {

std::string typed(std::string text, char sep)
{
    for (char& c : text)
        if (c == ',')
            c = sep;
    return text;
}

Report fault(std::string message, Field field) { return {std::move(message), Beep::AfterMessage, field, std::nullopt}; }

}  // namespace

const char* stressingEndCode(StressingEnds ends)
{
    static constexpr std::array<const char*, 3> codes = {"L", "R", "LR"};
    return codes[static_cast<size_t>(ends)];
}

std::optional<StressingEnds> stressingEndsOfCode(std::string_view code)
{
    for (StressingEnds ends : {StressingEnds::Left, StressingEnds::Right, StressingEnds::Both})
        if (code == stressingEndCode(ends))
            return ends;
    return std::nullopt;
}

const char* stressingEndLabel(StressingEnds ends)
{
    static constexpr std::array<const char*, 3> labels = {"levý konec", "pravý konec", "oba konce"};
    return labels[static_cast<size_t>(ends)];
}

TendonStressing defaultStressing(char sep)
{
    TendonStressing s;
    s.end = stressingEndCode(StressingEnds::Left);
    s.friction = typed("0,19", sep);
    s.wobble = typed("0,005", sep);
    s.anchorageSet = "6";
    s.modulus = "195000";
    s.longTermLoss = "0";
    s.strength = "1860";
    return s;
}

StressingValuesOrFault checkStressing(const TendonStressing& input, char sep)
{
    StressingValues v;
    const auto ends = stressingEndsOfCode(input.end);
    if (!ends)
        return {std::nullopt, fault("Zvolte, ze kterého konce se kabel napíná!", Field::StressingEnd)};
    v.ends = *ends;
    struct Number {
        const std::string& text;
        long double StressingValues::*value;
        bool zeroAllowed;
        const char* message;
        Field field;
    };
    const Number numbers[] = {
        {input.jackingForce, &StressingValues::jackingForce, false,
         "Napínací síla P0 musí být zadána jako číslo větší než 0!", Field::StressingJackingForce},
        {input.friction, &StressingValues::friction, true, "Součinitel tření μ musí být zadán jako číslo, nejméně 0!",
         Field::StressingFriction},
        {input.wobble, &StressingValues::wobble, true,
         "Neúmyslná úhlová odchylka k musí být zadána jako číslo, nejméně 0!", Field::StressingWobble},
        {input.anchorageSet, &StressingValues::anchorageSet, true,
         "Pokluz v kotvě Δs musí být zadán jako číslo, nejméně 0!", Field::StressingSet},
        {input.modulus, &StressingValues::modulus, false,
         "Modul pružnosti předpínací výztuže E_p musí být zadán jako číslo větší než 0!", Field::StressingModulus},
        {input.area, &StressingValues::area, false,
         "Plocha předpínací výztuže A_p musí být zadána jako číslo větší než 0!", Field::StressingArea},
        {input.longTermLoss, &StressingValues::longTermLoss, true,
         "Dlouhodobé ztráty musí být zadány jako číslo od 0 do méně než 100 %!", Field::StressingLoss},
        {input.strength, &StressingValues::strength, false,
         "Charakteristická pevnost f_pk musí být zadána jako číslo větší než 0!", Field::StressingStrength},
    };
    for (const Number& n : numbers) {
        const auto value = parseNumber(n.text, sep);
        const bool fine = value && std::isfinite(*value) && (n.zeroAllowed ? *value >= 0 : *value > 0) &&
                          (n.field != Field::StressingLoss || *value < 100);
        if (!fine)
            return {std::nullopt, fault(n.message, n.field)};
        v.*n.value = *value;
    }
    return {v, std::nullopt};
}

std::vector<std::string> stressingWarnings(const StressingValues& v, const StressingForces& forces, char sep)
{
    std::vector<std::string> warnings;
    const auto mpa = [&](long double kN) { return formatNumber(std::round(kN * 1000 / v.area * 10) / 10, sep); };
    const auto limit = [&](long double share) { return formatNumber(std::round(share * v.strength * 10) / 10, sep); };
    if (v.jackingForce * 1000 / v.area > 0.8L * v.strength)
        warnings.push_back("Napětí při napínání P0/A_p = " + mpa(v.jackingForce) + " MPa překračuje 0,8·f_pk = " +
                           limit(0.8L) + " MPa.");
    if (forces.largestAfterSet * 1000 / v.area > 0.75L * v.strength)
        warnings.push_back("Největší napětí po zakotvení P′/A_p = " + mpa(forces.largestAfterSet) +
                           " MPa překračuje 0,75·f_pk = " + limit(0.75L) + " MPa.");
    for (auto& w : warnings)
        w = typed(std::move(w), sep);
    return warnings;
}

}  // namespace kvor
