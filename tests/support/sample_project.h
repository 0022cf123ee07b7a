#pragma once
// A project that exercises every field the project file carries, and a
// field-by-field comparison that names the field that differs. What is entered
// passes the windows' checks; the odd texts (empty cells, a hidden stored line)
// stand where the windows keep them unchecked.

#include "model/project.h"
#include "model/slots.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor::testing {

inline Project sampleProject()
{
    Project p;
    p.info.name = "Most přes Želivku – č. 3";
    p.info.description = "Předpjatý nosník\tse \\ znaky";
    p.info.author = "Jiří Čermák";
    p.info.createdOn = "8. 12. 2026";

    p.beam.kind = BeamKind::Continuous;
    p.beam.length = "12,5";
    p.beam.memberCountText = "3";
    p.beam.members.setRowCount(4);
    p.beam.members.setRow(1, {"1", "10"});
    p.beam.members.setRow(2, {"2", "12,5"});
    p.beam.members.setRow(3, {"3", "5"});

    p.section.type = SectionType::General;
    p.section.dimensions = {"0,3", "", "0,6", ""};
    p.section.area = "0,18";
    p.section.inertia = "5,4E-3";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    p.section.valuesEditable = true;

    TextTable manual(4, 2);
    manual.setRow(1, {"0", "0"});
    manual.setRow(2, {"5,25", "1,3125"});
    manual.setRow(3, {"22,5", "0"});
    TextTable unfinished = manual;
    unfinished.setCell(3, 1, "");
    QuantitySlot& q1 = p.quantities[0];
    q1.description = "Moment\tv poli\r\n1 \\ střed";
    q1.kindText = "Ohybový moment";
    storeInfluenceLine(q1, manual, EntryMode::Manual, "");
    q1.draw = true;

    QuantitySlot& q2 = p.quantities[1];
    q2.shown = true;
    q2.description = "Reakce podpory b";
    q2.kindText = "Reakce";
    storeInfluenceLine(q2, manual, EntryMode::FromFile, "příčinka.txt");

    // Stored, then its row hidden: the table and texts stay, the status goes.
    QuantitySlot& q3 = p.quantities[2];
    q3.description = "skrytá";
    q3.kindText = "vlastní text";
    storeInfluenceLine(q3, unfinished, EntryMode::Manual, "");
    hideSlot(q3);

    TendonSlot& t1 = p.tendons[0];
    t1.name = "Kabel č. 1";
    t1.typeText = "přímý kabel";
    t1.type = TendonType::Straight;
    t1.status = SlotStatus::Entered;
    t1.draw = true;
    t1.points = TextTable(3, 3);
    t1.points.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    t1.points.setRow(1, {"0", "0,2", "-1500"});
    t1.points.setRow(2, {"22,5", "0,2", "-1500"});

    TendonSlot& t2 = p.tendons[1];
    t2.shown = true;
    t2.name = "lomený – střed";
    t2.typeText = "lomený kabel";
    t2.type = TendonType::Broken;
    t2.status = SlotStatus::Entered;
    t2.points = TextTable(5, 3);
    t2.points.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    t2.points.setRow(1, {"0", "0", "-1200,5"});
    t2.points.setRow(2, {"8", "0,25", "-1190"});
    t2.points.setRow(3, {"14,5", "0,25", "-1180"});
    t2.points.setRow(4, {"22,5", "0", "-1180"});

    TendonSlot& t3 = p.tendons[2];
    t3.shown = true;
    t3.typeText = "lomený kabel";

    EvaluationResult& r = p.results;
    r.block = {BlockState::Evaluated, BlockState::Evaluated, BlockState::NotEvaluated,
               BlockState::NotEvaluated, BlockState::NotEvaluated};
    r.caption = {"- Ohybový moment", "- Reakce", "", "", ""};
    r.comment = {"Moment\tv poli\r\n1 \\ střed", "Reakce podpory b", "", "", ""};
    r.unit = {"[kNm]", "[kN]", "[kNm]", "[kNm]", "[kNm]"};
    r.value[0] = {"1,5", "-0,25", "###", "###", "###"};
    r.value[1] = {"-3,75E-5", "12", "###", "###", "###"};
    r.groupSum = {"1,25", "-3,75E-5", "###", "###", "###"};
    r.selectable = {true, true, false, false, false};
    r.group = {true, false, false, false, false};
    return p;
}

inline void expectSameTable(const TextTable& a, const TextTable& b, const std::string& what)
{
    ASSERT_EQ(a.rowCount(), b.rowCount()) << what;
    ASSERT_EQ(a.colCount(), b.colCount()) << what;
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.colCount(); ++c)
            EXPECT_EQ(a.cell(r, c), b.cell(r, c)) << what << " cell " << r << "," << c;
}

// Everything the file carries: the information, the input, and with
// `withResults` what the result window shows.
inline void expectSameProject(const Project& a, const Project& b, bool withResults)
{
    EXPECT_EQ(a.info.name, b.info.name);
    EXPECT_EQ(a.info.description, b.info.description);
    EXPECT_EQ(a.info.author, b.info.author);
    EXPECT_EQ(a.info.createdOn, b.info.createdOn);

    EXPECT_EQ(a.beam.kind, b.beam.kind);
    EXPECT_EQ(a.beam.length, b.beam.length);
    EXPECT_EQ(a.beam.memberCountText, b.beam.memberCountText);
    expectSameTable(a.beam.members, b.beam.members, "members");

    EXPECT_EQ(a.section.type, b.section.type);
    EXPECT_EQ(a.section.dimensions, b.section.dimensions);
    EXPECT_EQ(a.section.area, b.section.area);
    EXPECT_EQ(a.section.inertia, b.section.inertia);
    EXPECT_EQ(a.section.eBottom, b.section.eBottom);
    EXPECT_EQ(a.section.eTop, b.section.eTop);
    EXPECT_EQ(a.section.valuesEditable, b.section.valuesEditable);

    for (int k = 0; k < kSlotCount; ++k) {
        const std::string slot = " of quantity slot " + std::to_string(k + 1);
        const QuantitySlot& x = a.quantities[k];
        const QuantitySlot& y = b.quantities[k];
        EXPECT_EQ(x.shown, y.shown) << slot;
        EXPECT_EQ(x.description, y.description) << slot;
        EXPECT_EQ(x.kindText, y.kindText) << slot;
        EXPECT_EQ(x.status, y.status) << slot;
        EXPECT_EQ(x.draw, y.draw) << slot;
        EXPECT_EQ(x.entryMode, y.entryMode) << slot;
        EXPECT_EQ(x.sourceFile, y.sourceFile) << slot;
        EXPECT_EQ(x.station, y.station) << slot;
        EXPECT_EQ(x.generator, y.generator) << slot;
        expectSameTable(x.line, y.line, "line" + slot);
    }
    for (int k = 0; k < kSlotCount; ++k) {
        const std::string slot = " of tendon slot " + std::to_string(k + 1);
        const TendonSlot& x = a.tendons[k];
        const TendonSlot& y = b.tendons[k];
        EXPECT_EQ(x.shown, y.shown) << slot;
        EXPECT_EQ(x.name, y.name) << slot;
        EXPECT_EQ(x.typeText, y.typeText) << slot;
        EXPECT_EQ(x.status, y.status) << slot;
        EXPECT_EQ(x.draw, y.draw) << slot;
        EXPECT_EQ(x.type, y.type) << slot;
        EXPECT_EQ(x.divisions, y.divisions) << slot;
        expectSameTable(x.points, y.points, "points" + slot);
    }
    EXPECT_EQ(a.loads.selfWeight, b.loads.selfWeight);
    EXPECT_EQ(a.loads.permanent, b.loads.permanent);
    EXPECT_EQ(a.loads.variable, b.loads.variable);
    expectSameTable(a.loads.axles, b.loads.axles, "axles");
    EXPECT_EQ(a.check, b.check);
    if (!withResults)
        return;
    EXPECT_EQ(a.results.block, b.results.block);
    EXPECT_EQ(a.results.caption, b.results.caption);
    EXPECT_EQ(a.results.comment, b.results.comment);
    EXPECT_EQ(a.results.unit, b.results.unit);
    EXPECT_EQ(a.results.value, b.results.value);
    EXPECT_EQ(a.results.groupSum, b.results.groupSum);
    EXPECT_EQ(a.results.selectable, b.results.selectable);
    EXPECT_EQ(a.results.group, b.results.group);
}

}  // namespace kvor::testing
