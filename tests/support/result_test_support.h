#pragma once
// Projects for the result window tests, entered as the entry dialogs store
// them (through the core's store operations), so the tests of the result
// window, "Výpočet" and the working tables do not depend on the dialogs.

#include "model/numbers.h"
#include "model/project.h"
#include "model/slots.h"
#include "tendons/tendon_store.h"

#include <QFile>
#include <QString>

#include <initializer_list>
#include <string>
#include <utility>

namespace kvor::ui::testing {

using Point = std::pair<std::string, std::string>;  // station, ordinate or eccentricity

// Shows the rows up to slot k as "Další" would: rows are shown in slot order.
template <typename Slot>
void showUpTo(std::array<Slot, kSlotCount>& rows, int k)
{
    for (int i = 0; i <= k; ++i)
        rows[static_cast<size_t>(i)].shown = true;
}

// Shows quantity slot q (0-based) and stores its influence line.
inline void enterQuantity(Project& project, int q, const std::string& kindText, const std::string& description,
                          const std::vector<Point>& points)
{
    showUpTo(project.quantities, q);
    QuantitySlot& slot = project.quantities[static_cast<size_t>(q)];
    slot.kindText = kindText;
    slot.description = description;
    TextTable entry(static_cast<int>(points.size()) + 1, 2);
    entry.setRow(0, {"Staničení [m]", "Pořadnice"});
    for (size_t i = 0; i < points.size(); ++i)
        entry.setRow(static_cast<int>(i) + 1, {points[i].first, points[i].second});
    storeInfluenceLine(slot, entry, EntryMode::Manual, "");
}

// Shows tendon slot t (0-based) and stores a straight tendon.
inline void enterStraightTendon(Project& project, int t, const StraightTendonInput& input)
{
    showUpTo(project.tendons, t);
    TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
    slot.typeText = kTendonTypeLabels[0];
    storeTendon(slot, input);
}

// Shows tendon slot t (0-based) and stores a broken tendon: its points and
// the forces of its segments (one fewer than the points).
inline void enterBrokenTendon(Project& project, int t, const std::vector<Point>& points,
                              const std::vector<std::string>& segmentForces)
{
    showUpTo(project.tendons, t);
    TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
    slot.typeText = kTendonTypeLabels[1];
    TextTable pointTable(static_cast<int>(points.size()) + 1, 2);
    pointTable.setRow(0, {"Staničení", "Excentricita"});
    for (size_t i = 0; i < points.size(); ++i)
        pointTable.setRow(static_cast<int>(i) + 1, {points[i].first, points[i].second});
    TextTable forceTable(static_cast<int>(segmentForces.size()) + 1, 1);
    forceTable.setCell(0, 0, "Předpínací síla");
    for (size_t i = 0; i < segmentForces.size(); ++i)
        forceTable.setCell(static_cast<int>(i) + 1, 0, segmentForces[i]);
    storeTendon(slot, BrokenTendonInput{pointTable, forceTable});
}

// A simple beam of 20 m with a rectangular section 0,4 x 1 m.
inline void enterSimpleBeam(Project& project)
{
    project.beam.length = "20";
    project.section.dimensions = {"0,4", "1", "", ""};
    project.section.area = "0,4";
    project.section.inertia = "0,0333333333333333";
    project.section.eBottom = "0,5";
    project.section.eTop = "-0,5";
}

// The largest project the dialogs allow: five influence lines of 32750 points
// and five broken tendons of 32766 points over a beam of 100 m.
inline void enterLargestProject(Project& project)
{
    enterSimpleBeam(project);
    project.beam.length = "100";
    constexpr int kLinePoints = 32750;
    constexpr int kTendonPoints = 32766;
    for (int q = 0; q < kSlotCount; ++q) {
        std::vector<Point> line;
        line.reserve(kLinePoints);
        for (int i = 0; i < kLinePoints; ++i) {
            const long double x = 100.0L * i / (kLinePoints - 1);
            line.emplace_back(formatNumber(x, ','), formatNumber((q + 1) * x * (100.0L - x) / 2500.0L, ','));
        }
        enterQuantity(project, q, kQuantityKindLabels[static_cast<size_t>(q)], "veličina", line);
    }
    for (int t = 0; t < kSlotCount; ++t) {
        std::vector<Point> points;
        std::vector<std::string> forces;
        points.reserve(kTendonPoints);
        for (int i = 0; i < kTendonPoints; ++i) {
            const long double x = 100.0L * i / (kTendonPoints - 1);
            points.emplace_back(formatNumber(x, ','), formatNumber(0.1L * (t + 1) * (i % 7) / 7.0L, ','));
            if (i + 1 < kTendonPoints)
                forces.push_back(formatNumber(-1000.0L - i % 13, ','));
        }
        enterBrokenTendon(project, t, points, forces);
    }
}

// The bytes of a file, empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace kvor::ui::testing
