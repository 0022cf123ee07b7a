#pragma once
// Projects built as the windows build them: the beam and the section typed
// in, lines and tendons stored into slots through the core's store
// operations, the worked example, and a project saved with the core's writer.

#include "analysis/slot_generation.h"
#include "influence/influence_file.h"
#include "loads/load_input.h"
#include "model/project.h"
#include "model/slots.h"
#include "results/project_file.h"
#include "structure/beam.h"
#include "structure/section.h"
#include "support/temp_folder.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kvor::testing {

// `text` with every ',' replaced by `sep`: the model's texts as typed on a
// system with that decimal separator.
inline std::string typed(std::string_view text, char sep)
{
    std::string t(text);
    std::replace(t.begin(), t.end(), ',', sep);
    return t;
}

// A continuous beam of the span lengths given, as typed into the member table.
inline void setContinuousBeam(BeamModel& beam, std::initializer_list<std::string_view> spans)
{
    beam.kind = BeamKind::Continuous;
    beam.memberCountText = std::to_string(spans.size());
    rebuildMemberTable(beam);
    int r = 1;
    for (std::string_view span : spans)
        beam.members.setCell(r++, 1, span);
}

// The section's values as typed: A [m2], I [m4] and the distances of the
// bottom and the top fibres from the centroid [m] (the top one negative).
struct SectionValues {
    std::string_view area, inertia, eBottom, eTop;
};

inline void setSectionValues(CrossSection& section, const SectionValues& values)
{
    section.area = values.area;
    section.inertia = values.inertia;
    section.eBottom = values.eBottom;
    section.eTop = values.eTop;
}

// Shows the rows up to slot k as "Další" would: rows are shown in slot order.
template <typename Slot>
void showUpTo(std::array<Slot, kSlotCount>& rows, int k)
{
    for (int i = 0; i <= k; ++i)
        rows[static_cast<size_t>(i)].shown = true;
}

// An influence line stored into slot k as typed, rows (station, ordinate).
inline void storeLine(Project& p, int k, std::string_view kind, std::string_view description,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> rows, char sep)
{
    TextTable entry(static_cast<int>(rows.size()) + 1, 2);
    int r = 1;
    for (const auto& [s, v] : rows)
        entry.setRow(r++, {typed(s, sep), typed(v, sep)});
    showUpTo(p.quantities, k);
    QuantitySlot& slot = p.quantities[static_cast<size_t>(k)];
    slot.kindText = kind;
    slot.description = description;
    storeInfluenceLine(slot, entry, EntryMode::Manual, "");
}

// A line generated from the project's beam stored into slot k (0-based) as
// "Z konstrukce" stores it: kind label, X, step H and E as typed.
inline void storeGenerated(Project& p, int k, std::string_view kind, const GeneratorInput& input, char sep = ',')
{
    showUpTo(p.quantities, k);
    QuantitySlot& slot = p.quantities[static_cast<size_t>(k)];
    slot.kindText = kind;
    const SlotLine line = generateSlotLine(p, kind, input, sep);
    ASSERT_FALSE(line.fault) << line.fault->message;
    TextTable entry;
    readInfluenceText(line.fileText, entry, sep);
    storeGeneratedLine(slot, entry, line.station, line.parameters);
}

inline void storeStraight(Project& p, int k, std::string_view s1, std::string_view s2, std::string_view e,
                          std::string_view n, char sep)
{
    showUpTo(p.tendons, k);
    TendonSlot& slot = p.tendons[static_cast<size_t>(k)];
    slot.typeText = kTendonTypeLabels[0];
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{typed(s1, sep), typed(s2, sep), typed(e, sep),
                                                      typed(n, sep)}));
}

struct BrokenPoint {
    std::string_view station, eccentricity, force;  // force of the segment that starts here
};

inline void storeBroken(Project& p, int k, std::initializer_list<BrokenPoint> points, char sep)
{
    TextTable table(static_cast<int>(points.size()) + 1, 2);
    TextTable forces(static_cast<int>(points.size()), 1);
    int r = 1;
    for (const BrokenPoint& point : points) {
        table.setRow(r, {typed(point.station, sep), typed(point.eccentricity, sep)});
        if (r < static_cast<int>(points.size()))
            forces.setCell(r, 0, typed(point.force, sep));
        ++r;
    }
    showUpTo(p.tendons, k);
    TendonSlot& slot = p.tendons[static_cast<size_t>(k)];
    slot.typeText = kTendonTypeLabels[1];
    ASSERT_FALSE(storeTendon(slot, BrokenTendonInput{table, forces}));
}

// The loads as typed: g0, g1, q [kN/m] and the axles (F [kN], a [m]).
inline void setLoads(Project& p, std::string_view g0, std::string_view g1, std::string_view q,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> axles, char sep)
{
    p.loads.selfWeight = typed(g0, sep);
    p.loads.permanent = typed(g1, sep);
    p.loads.variable = typed(q, sep);
    setAxleCount(p.loads, static_cast<int>(axles.size()));
    int r = 1;
    for (const auto& [f, a] : axles)
        p.loads.axles.setRow(r++, {typed(f, sep), typed(a, sep)});
}

// The rectangular section b x h [m] with the values the structure page computes.
inline void setRectangleSection(Project& p, std::string_view width, std::string_view height)
{
    p.section.type = SectionType::Rectangle;
    p.section.dimensions = {std::string(width), std::string(height), "", ""};
    computeSectionValues(p.section, ',');
}

// A stored tendon named, its "Kreslit kabel" ticked.
inline void nameAndDraw(TendonSlot& slot, std::string_view name)
{
    slot.name = name;
    slot.draw = true;
}

// The worked examples: the influence line (0; 0), (5; 2,5), (10; 0) in slot 1,
// the straight tendon (0; 0,2; -1000)-(10; 0,2; -1000) in slot 1 and the broken
// tendon (2; 0,1), (5; 0,5), (8; 0,1) with -1000 kN in slot 2, on a simple
// beam of 10 m whose section reaches 0,6 m below and above the centroid.
inline Project workedExample(char sep)
{
    Project p;
    p.info.name = "Příklad";
    p.beam.length = "10";
    p.section.eBottom = typed("0,6", sep);
    p.section.eTop = typed("-0,6", sep);
    storeLine(p, 0, "Ohybový moment", "Moment uprostřed", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}}, sep);
    storeStraight(p, 0, "0", "10", "0,2", "-1000", sep);
    storeBroken(p, 1, {{"2", "0,1", "-1000"}, {"5", "0,5", "-1000"}, {"8", "0,1", ""}}, sep);
    return p;
}

// The beam of the stress check's examples: a simple beam of 10 m with the
// section A = 0,4 m², I = 0,04 m⁴, e_d = 0,5 m, e_h = −0,5 m and the exact
// midspan-moment line (0; 0), (5; 2,5), (10; 0) with X = 5 m in slot 1; the
// tendons are the test's.
inline Project stressCheckBeam(char sep)
{
    Project p;
    p.beam.length = "10";
    setSectionValues(p.section, {typed("0,4", sep), typed("0,04", sep), typed("0,5", sep), typed("-0,5", sep)});
    storeLine(p, 0, "Ohybový moment", "Moment uprostřed", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}}, sep);
    p.quantities[0].station = "5";
    return p;
}

// Saves `p` as `name` in `folder` with the core's writer; returns the path.
inline std::string saveAs(const Project& p, const std::filesystem::path& folder, std::string_view name,
                          char sep, SaveVariant variant = SaveVariant::InputOnly)
{
    const std::filesystem::path file = folder / name;
    writeBytes(file, encodeProjectFile(p, variant, sep));
    return file.string();
}

}  // namespace kvor::testing
