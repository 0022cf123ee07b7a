// A line generated from the beam ends at the beam's end as its 15-digit text;
// the checks must take that station as on the beam whether the sum of the
// spans lies just below or just above the text's value.

#include "analysis/slot_generation.h"
#include "influence/influence_file.h"
#include "influence/table_checks.h"
#include "model/slots.h"
#include "results/project_file.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

// "d,d" from a whole number of tenths of a metre.
std::string tenths(int n) { return std::to_string(n / 10) + "," + std::to_string(n % 10); }

TEST(GeneratedLineBeamEnd, EveryTwoSpanBeamTakesItsOwnLine)
{
    // Spans 1 to 40 m: the first in steps of 0,1 m, the second in steps of
    // 0,7 m (the refusals were spread over about one pair in eleven).
    int checked = 0;
    for (int a = 10; a <= 400; ++a) {
        for (int b = 10; b <= 400; b += 7) {
            Project p;
            testing::setContinuousBeam(p.beam, {tenths(a), tenths(b)});
            testing::setSectionValues(p.section, {"", "0,01", "0,5", "-0,5"});
            // A step longer than the beam: the supports, X and the end.
            const SlotLine line = generateSlotLine(p, "Ohybový moment", {tenths(a), "100", ""}, ',');
            ASSERT_FALSE(line.fault) << tenths(a) << " " << tenths(b);
            TextTable entry;
            readInfluenceText(line.fileText, entry, ',');  // as "Načíst" reads kvor-il's output
            ASSERT_TRUE(checkInfluenceTable(p.beam, entry, ',').empty()) << tenths(a) << " " << tenths(b);
            // Every few pairs the whole road: stored, saved and opened again.
            if (++checked % 64 == 0) {
                QuantitySlot& slot = p.quantities[0];
                slot.shown = true;
                slot.kindText = "Ohybový moment";
                storeGeneratedLine(slot, entry, line.station, line.parameters);
                EXPECT_NO_THROW(decodeProjectFile(encodeProjectFile(p, SaveVariant::InputOnly, ','), ','))
                    << tenths(a) << " " << tenths(b);
                EXPECT_TRUE(staleGeneratedSlots(p, ',').empty());
            }
        }
    }
}

}  // namespace
}  // namespace kvor
