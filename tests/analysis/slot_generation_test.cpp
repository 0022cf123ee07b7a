#include "analysis/slot_generation.h"
#include "influence/influence_file.h"
#include "model/error.h"
#include "model/slots.h"
#include "structure/beam.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

Project twoSpanProject()
{
    Project p;
    kvor::testing::setContinuousBeam(p.beam, {"12", "15,5"});
    kvor::testing::setSectionValues(p.section, {"", "0,0576", "0,6", "-0,6"});  // no A: the lines need only I
    return p;
}

void storeGenerated(Project& p, int k, const char* kind, const GeneratorInput& input)
{
    QuantitySlot& slot = p.quantities[static_cast<size_t>(k - 1)];
    slot.shown = true;
    slot.kindText = kind;
    const SlotLine line = generateSlotLine(p, kind, input, ',');
    ASSERT_FALSE(line.fault) << line.fault->message;
    TextTable entry;
    readInfluenceText(line.fileText, entry, ',');
    storeGeneratedLine(slot, entry, line.station, line.parameters);
}

TEST(SlotGeneration, SupportsAreNamedFromTheBeamsStart)
{
    Project p = twoSpanProject();
    const auto supports = supportChoices(p.beam, ',');
    ASSERT_EQ(supports.size(), 3u);
    EXPECT_EQ(supports[1].name, "b");
    EXPECT_EQ(supports[1].station, "12");
    EXPECT_EQ(supports[2].station, "27,5");
    p.beam.members.setCell(2, 1, "x");
    EXPECT_TRUE(supportChoices(p.beam, ',').empty());
}

TEST(SlotGeneration, DeflectionUsesEITimesThousandTimesI)
{
    const Project p = twoSpanProject();
    const SlotLine line = generateSlotLine(p, "Průhyb", {"6", "0,5", "30000"}, ',');
    ASSERT_FALSE(line.fault);
    LineRequest request;
    request.kind = LineKind::Deflection;
    request.spans = {12, 15.5L};
    request.station = 6;
    request.step = 0.5L;
    request.ei = 30000.0L * 1000.0L * 0.0576L;
    EXPECT_EQ(line.fileText, lineFileText(generateLine(request).points));
    EXPECT_EQ(line.parameters, (LineGeneratorParameters{"w", "0,5", "30000"}));
    // E is kept only where it counts.
    EXPECT_EQ(generateSlotLine(p, "Ohybový moment", {"6", "0,5", "30000"}, ',').parameters.modulus, "");
}

TEST(SlotGeneration, FaultsNameWhatIsMissing)
{
    struct Case {
        const char* kind;
        GeneratorInput input;
        const char* message;
        Field focus;
    };
    const Case cases[] = {
        {"", {"6", "0,1", ""}, "Typ veličiny „“ není žádný z typů Ohybový moment, Posouvající síla, Reakce, Průhyb, Pootočení!", Field::GeneratorCommand},
        {"Reakce", {"6", "0,1", ""}, "Reakci lze počítat jen v podpoře, X musí být jedno ze staničení 0, 12, 27.5!", Field::GeneratorCommand},
        {"Ohybový moment", {"6.5", "0,1", ""}, "Staničení X musí být zadáno jako číslo!", Field::GeneratorStation},
        {"Ohybový moment", {"6", "", ""}, "Krok musí být zadán jako číslo!", Field::GeneratorStep},
        {"Pootočení", {"6", "0,1", "abc"}, "Modul pružnosti E musí být zadán jako číslo!", Field::GeneratorModulus},
        {"Pootočení", {"6", "0,1", "-1"}, "Modul pružnosti E musí být větší než 0!", Field::GeneratorModulus},
        {"Posouvající síla", {"12", "0,1", ""}, "Posouvající sílu nelze počítat přímo v podpoře, zvolte X mimo podpory!", Field::GeneratorCommand},
    };
    const Project p = twoSpanProject();
    for (const Case& c : cases) {
        const SlotLine line = generateSlotLine(p, c.kind, c.input, ',');
        ASSERT_TRUE(line.fault) << c.message;
        EXPECT_EQ(line.fault->message, c.message);
        EXPECT_EQ(line.fault->focus, c.focus);
        EXPECT_EQ(line.fault->beep, Beep::AfterMessage);
        EXPECT_TRUE(line.fileText.empty());
    }
    Project noStructure = twoSpanProject();
    noStructure.section.eTop.clear();
    EXPECT_EQ(generateSlotLine(noStructure, "Reakce", {"12", "0,1", ""}, ',').fault->message,
              "Konstrukce není zadána, příčinkovou čáru z ní nelze vygenerovat!");
}

TEST(SlotGeneration, ALineIsStaleWhenTheBeamChangesUnderIt)
{
    Project p = twoSpanProject();
    storeGenerated(p, 1, "Ohybový moment", {"12", "0,5", ""});
    storeGenerated(p, 2, "Průhyb", {"20", "1", "30000"});
    EXPECT_TRUE(staleGeneratedSlots(p, ',').empty());

    p.section.inertia = "0,06";  // only the deflection depends on I
    EXPECT_EQ(staleGeneratedSlots(p, ','), std::vector<int>{2});
    p.beam.members.setCell(2, 1, "16");
    EXPECT_EQ(staleGeneratedSlots(p, ','), (std::vector<int>{1, 2}));
    p.beam.kind = BeamKind::Simple;  // no length: cannot be generated at all
    EXPECT_EQ(staleGeneratedSlots(p, ','), (std::vector<int>{1, 2}));
    EXPECT_THROW(regenerateSlot(p, 1, ','), Error);

    p.beam.kind = BeamKind::Continuous;
    regenerateSlot(p, 1, ',');
    regenerateSlot(p, 2, ',');
    EXPECT_TRUE(staleGeneratedSlots(p, ',').empty());
    EXPECT_EQ(p.quantities[1].generator.modulus, "30000");

    EXPECT_EQ(staleLinesQuestion({2}),
              "Příčinková čára 2. veličiny byla vygenerována z konstrukce, která se od té doby změnila. "
              "Vygenerovat ji znovu a vyhodnotit, vyhodnotit uložené tabulky, nebo výpočet zrušit?");
    EXPECT_TRUE(staleLinesQuestion({1, 3, 4}).starts_with("Příčinkové čáry 1., 3. a 4. veličiny byly vygenerovány"));
}

}  // namespace

namespace {

TEST(SlotGeneration, RegeneratingTakesTheKindOfTheSlotsKindBox)
{
    Project p = twoSpanProject();
    storeGenerated(p, 1, "Ohybový moment", {"6", "0,5", ""});
    // The stored kind does not choose what is generated again.
    p.quantities[0].generator.kind = "R";
    EXPECT_TRUE(staleGeneratedSlots(p, ',').empty());
    // The kind box changed since: generating again gives another line.
    p.quantities[0].kindText = "Posouvající síla";
    EXPECT_EQ(staleGeneratedSlots(p, ','), std::vector<int>{1});
}

}  // namespace
