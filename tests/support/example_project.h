#pragma once
// The example project shipped in examples/: a continuous beam of two spans
// (12 m and 15 m), a rectangular section 0,4 x 1,2 m, the influence lines of
// the bending moment and of the reaction at the inner support b (stations every
// metre, ordinates to four decimals), a straight tendon along the whole beam
// and a broken tendon draped over the inner support.

#include "support/project_builders.h"
#include "model/numbers.h"

#include <cmath>
#include <functional>

namespace kvor::testing {

inline constexpr const char* kExampleFileName = "spojity-nosnik.txt";

namespace example {

constexpr long double kSpan1 = 12.0L;
constexpr long double kSpan2 = 15.0L;
constexpr long double kTotal = kSpan1 + kSpan2;

// Moment over the inner support for a unit load at x (three-moment equation,
// constant stiffness; negative: hogging).
inline long double supportMoment(long double x)
{
    if (x <= kSpan1)
        return -x * (kSpan1 * kSpan1 - x * x) / (2.0L * kSpan1 * kTotal);
    const long double fromEnd = kTotal - x;
    return -fromEnd * (kSpan2 * kSpan2 - fromEnd * fromEnd) / (2.0L * kSpan2 * kTotal);
}

// Reaction of the inner support: the two simple-span shares plus the effect of
// the support moment on both spans.
inline long double supportReaction(long double x)
{
    const long double simple = x <= kSpan1 ? x / kSpan1 : (kTotal - x) / kSpan2;
    return simple - supportMoment(x) * (1.0L / kSpan1 + 1.0L / kSpan2);
}

// Rows every metre from 0 to 27 m, ordinates rounded to four decimals.
inline TextTable influenceEntry(const std::function<long double(long double)>& ordinate)
{
    const int points = static_cast<int>(kTotal) + 1;
    TextTable entry(points + 1, 2);
    for (int i = 0; i < points; ++i) {
        const long double x = i;
        const long double rounded = roundHalfEven(ordinate(x) * 10000.0L) / 10000.0L;
        entry.setRow(i + 1, {formatNumber(x, ','), formatNumber(rounded, ',')});
    }
    return entry;
}

}  // namespace example

inline Project exampleProject()
{
    Project p;
    p.info.name = "Spojitý nosník o dvou polích";
    p.info.description = "Předpjatý nosník 12 + 15 m, obdélníkový průřez 0,4 x 1,2 m";
    p.info.author = "Ing. Petr Dvořák";
    p.info.createdOn = "8. 12. 2026";

    setContinuousBeam(p.beam, {"12", "15"});
    setRectangleSection(p, "0,4", "1,2");

    QuantitySlot& moment = p.quantities[0];
    moment.kindText = "Ohybový moment";
    moment.description = "Moment nad vnitřní podporou b";
    storeInfluenceLine(moment, example::influenceEntry(example::supportMoment), EntryMode::Manual, "");
    moment.draw = true;

    addSlotRow(p.quantities);
    QuantitySlot& reaction = p.quantities[1];
    reaction.kindText = "Reakce";
    reaction.description = "Reakce vnitřní podpory b";
    storeInfluenceLine(reaction, example::influenceEntry(example::supportReaction), EntryMode::Manual, "");
    reaction.draw = true;

    storeStraight(p, 0, "0", "27", "0,45", "-2500", ',');
    storeBroken(p, 1,
                {{"0", "0", "-3000"}, {"5", "0,45", "-2950"}, {"12", "-0,4", "-2900"}, {"20", "0,45", "-2850"},
                 {"27", "0", ""}},
                ',');
    nameAndDraw(p.tendons[0], "Přímý kabel při spodním okraji");
    nameAndDraw(p.tendons[1], "Lomený kabel přes podporu b");
    return p;
}

}  // namespace kvor::testing
