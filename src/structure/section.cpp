#include "structure/section.h"

#include "model/error.h"
#include "model/numbers.h"

#include <string_view>

namespace kvor {

namespace {

// 1/12 in extended precision, as every second moment of area below uses it.
constexpr long double kTwelfth = 1.0L / 12.0L;

// Units of 0.0001 per metre-based unit, and its square for the T-shape terms.
constexpr long double kUnits = 10000.0L;
constexpr long double kUnitsSquared = 100000000.0L;

// nearest(x) held as a signed 64-bit whole number; a value outside that range
// (or no value at all) is the runtime's invalid operation.
int64_t nearestUnits(long double x)
{
    const long double r = roundHalfEven(x);
    if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L))
        throw Error::invalidOperation();
    return static_cast<int64_t>(r);
}

SectionUnits rectangleUnits(long double b, long double h)
{
    return {nearestUnits(b * h * kUnits), nearestUnits(kTwelfth * b * h * h * h * kUnits),
            nearestUnits(h * 0.5L * kUnits), nearestUnits(h * (-0.5L) * kUnits)};
}

SectionUnits squareUnits(long double a)
{
    return {nearestUnits(a * a * kUnits), nearestUnits(kTwelfth * a * a * a * a * kUnits),
            nearestUnits(a * 0.5L * kUnits), nearestUnits(a * (-0.5L) * kUnits)};
}

// Flange b1 x h1 on top of the web b2 x h2. d is the centroid's height above
// the bottom edge, taken from the rounded area; I is about the rounded centroid.
SectionUnits tSectionUnits(long double b1, long double b2, long double h1, long double h2)
{
    const int64_t area = nearestUnits((b1 * h1 + b2 * h2) * kUnits);
    const long double staticMoment = b1 * h1 * (h1 * 0.5L + h2) + b2 * h2 * 0.5L * h2;
    const int64_t d = nearestUnits(checkedDivide(staticMoment, static_cast<long double>(area)) * kUnitsSquared);
    const long double dd = static_cast<long double>(d);
    const long double height = (h1 + h2) * kUnits;
    const int64_t top = nearestUnits((height - dd) * (-1.0L));
    const long double flangeArm = height - dd - h1 * 0.5L * kUnits;
    const long double webArm = dd - h2 * 0.5L * kUnits;
    const int64_t inertia = nearestUnits((kTwelfth * b1 * h1 * h1 * h1 * kUnitsSquared + b1 * h1 * flangeArm * flangeArm +
                                          kTwelfth * b2 * h2 * h2 * h2 * kUnitsSquared + b2 * h2 * webArm * webArm) /
                                         kUnits);
    return {area, inertia, d, top};
}

// Flange b1 x h1 at the bottom, the web b2 x h2 on top of it.
SectionUnits invertedTSectionUnits(long double b1, long double b2, long double h1, long double h2)
{
    const int64_t area = nearestUnits((b1 * h1 + b2 * h2) * kUnits);
    const long double staticMoment = b2 * h2 * (h2 * 0.5L + h1) + b1 * h1 * 0.5L * h1;
    const int64_t d = nearestUnits(checkedDivide(staticMoment, static_cast<long double>(area)) * kUnitsSquared);
    const long double dd = static_cast<long double>(d);
    const int64_t top = nearestUnits(((h1 + h2) * kUnits - dd) * (-1.0L));
    const long double flangeArm = dd - h1 * 0.5L * kUnits;
    const long double webArm = (h2 * 0.5L + h1) * kUnits - dd;
    const int64_t inertia = nearestUnits((kTwelfth * b1 * h1 * h1 * h1 * kUnitsSquared + b1 * h1 * flangeArm * flangeArm +
                                          kTwelfth * b2 * h2 * h2 * h2 * kUnitsSquared + b2 * h2 * webArm * webArm) /
                                         kUnits);
    return {area, inertia, d, top};
}

}  // namespace

SectionLayout sectionLayout(SectionType type)
{
    switch (type) {
    case SectionType::Rectangle:
        return {0, {true, true, false, false}, {"Šířka b [m]", "Výška h [m]", "", ""}, true, false};
    case SectionType::Square:
        return {1, {true, false, false, false}, {"Hrana a [m]", "", "", ""}, true, false};
    case SectionType::TSection:
    case SectionType::InvertedTSection:
        return {static_cast<int>(type),
                {true, true, true, true},
                {"Šířka b1 [m]", "Šířka b2 [m]", "Výška h1 [m]", "Výška h2 [m]"},
                true,
                false};
    case SectionType::General:
        break;
    }
    return {4, {false, false, false, false}, {"", "", "", ""}, false, true};
}

int neededDimensionCount(SectionType type)
{
    switch (type) {
    case SectionType::Rectangle: return 2;
    case SectionType::Square: return 1;
    case SectionType::TSection:
    case SectionType::InvertedTSection: return 4;
    case SectionType::General: break;
    }
    return 0;
}

void selectSectionType(CrossSection& section, SectionType type)
{
    section.type = type;
    if (type == SectionType::General)
        section.valuesEditable = true;
}

SectionUnits sectionUnits(SectionType type, const std::array<long double, 4>& d)
{
    switch (type) {
    case SectionType::Rectangle: return rectangleUnits(d[0], d[1]);
    case SectionType::Square: return squareUnits(d[0]);
    case SectionType::TSection: return tSectionUnits(d[0], d[1], d[2], d[3]);
    case SectionType::InvertedTSection: return invertedTSectionUnits(d[0], d[1], d[2], d[3]);
    case SectionType::General: break;
    }
    return {0, 0, 0, 0};
}

std::string formatSectionUnits(int64_t units, char sep)
{
    const long double micro = truncTowardZero(static_cast<long double>(units) * 1000000.0L / kUnits);
    return formatNumber(micro * 0.000001L, sep);
}

std::optional<Report> computeSectionValues(CrossSection& section, char sep)
{
    const int needed = neededDimensionCount(section.type);
    if (needed == 0)
        return std::nullopt;
    for (int i = 0; i < needed; ++i)
        if (section.dimensions[i].empty())
            return Report{"Zadejte vstupní hodnoty!", Beep::None, Field::None, {}};

    std::array<long double, 4> dimensions{};
    for (int i = 0; i < needed; ++i)
        dimensions[i] = toNumber(section.dimensions[i], sep);
    const SectionUnits units = sectionUnits(section.type, dimensions);

    section.area = formatSectionUnits(units.area, sep);
    section.inertia = formatSectionUnits(units.inertia, sep);
    section.eBottom = formatSectionUnits(units.eBottom, sep);
    section.eTop = formatSectionUnits(units.eTop, sep);
    return std::nullopt;
}

std::optional<Report> checkDimension(const CrossSection& section, int index, char sep)
{
    const auto value = parseNumber(section.dimensions.at(index), sep);
    if (!value)
        return Report{"Musí být zadáno číslo!", Beep::AfterMessage, nthField(Field::SectionDimension1, index), {}};
    if (!(*value > 0))
        return Report{"Musí být zadáno číslo větší než 0!", Beep::AfterMessage, nthField(Field::SectionDimension1, index), {}};
    return std::nullopt;
}

std::optional<Report> checkSectionValue(const CrossSection& section, int index, char sep)
{
    struct ValueRule {
        const std::string CrossSection::*text;
        bool mustBeNegative;
        const char* notANumber;
        const char* outOfRange;
    };
    static const std::array<ValueRule, 4> kRules = {{
        {&CrossSection::area, false, "Plocha průřezu musí být zadána jako číslo!",
         "Plocha průřezu musí být větší než 0!"},
        {&CrossSection::inertia, false, "Moment setrvačnosti musí být zadán jako číslo!",
         "Moment setrvačnosti musí být větší než 0!"},
        {&CrossSection::eBottom, false, "Vzdálenost dolních vláken průřezu od těžiště musí být zadána jako číslo!",
         "Vzdálenost dolních vláken průřezu od těžiště musí být větší než 0!"},
        {&CrossSection::eTop, true, "Vzdálenost horních vláken průřezu od těžiště musí být zadána jako číslo!",
         "Vzdálenost horních vláken průřezu od těžiště musí být dle znaménkové konvence menší než 0!"},
    }};

    const ValueRule& rule = kRules.at(index);
    if (section.type != SectionType::General)
        return std::nullopt;
    const auto value = parseNumber(section.*rule.text, sep);
    if (!value)
        return Report{rule.notANumber, Beep::None, nthField(Field::SectionArea, index), {}};
    const bool inRange = rule.mustBeNegative ? *value < 0 : *value > 0;
    if (!inRange)
        return Report{rule.outOfRange, Beep::None, nthField(Field::SectionArea, index), {}};
    return std::nullopt;
}

}  // namespace kvor
