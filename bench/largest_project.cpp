#include "largest_project.h"

#include "loads/load_input.h"
#include "model/numbers.h"

#include <cmath>
#include <string>

namespace kvor::bench {

namespace {

constexpr long double kSpan = 100.0L;

// Station i of n evenly spaced stations from 0 to the span, as a 15-digit text.
std::string station(int i, int n, char sep) { return formatNumber(kSpan * i / (n - 1), sep); }

// An influence line of m points: a skewed hump that differs per slot.
TextTable influenceLine(int m, int slot, char sep)
{
    TextTable t(m + 1, 2);
    t.setRow(0, {"Staničení [m]", "Pořadnice"});
    const long double peak = kSpan * (slot + 1) / 6;
    for (int i = 0; i < m; ++i) {
        const long double x = kSpan * i / (m - 1);
        const long double y = x <= peak ? x / peak : (kSpan - x) / (kSpan - peak);
        t.setRow(i + 1, {station(i, m, sep), formatNumber(y * (slot + 1), sep)});
    }
    return t;
}

// A broken tendon of n points draped along the span, in the store layout,
// inside a section whose fibres lie 0.6 m above and below the centroid.
TextTable brokenTendon(int n, int slot, char sep, TendonStations stations)
{
    TextTable t(n + 1, 3);
    t.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    const std::string force = formatInteger(-1000 - 100 * slot);
    // Staggered: slot s moves its interior points s/5 of a spacing along.
    const long double shift = stations == TendonStations::Staggered ? slot / 5.0L : 0.0L;
    for (int i = 0; i < n; ++i) {
        const long double x = kSpan * (i == 0 || i == n - 1 ? i : i + shift) / (n - 1);
        const long double e = 0.3L * std::sin(3.14159265358979L * x / kSpan) - 0.05L * slot;
        t.setRow(i + 1, {formatNumber(x, sep), formatNumber(e, sep), force});
    }
    return t;
}

}  // namespace

std::unique_ptr<Project> makeProject(int linePoints, int tendonPoints, char sep, TendonStations stations)
{
    auto p = std::make_unique<Project>();
    p->info.name = "Největší projekt";
    p->info.description = "Pět příčinkových čar a pět lomených kabelů";
    p->info.author = "kvor_make_project";
    p->info.createdOn = "1.1.2026";
    p->beam.kind = BeamKind::Simple;
    p->beam.length = formatNumber(kSpan, sep);
    p->section.type = SectionType::General;
    p->section.valuesEditable = true;
    p->section.area = formatNumber(0.48L, sep);
    p->section.inertia = formatNumber(0.0576L, sep);
    p->section.eBottom = formatNumber(0.6L, sep);
    p->section.eTop = formatNumber(-0.6L, sep);
    for (int s = 0; s < kSlotCount; ++s) {
        QuantitySlot& q = p->quantities[static_cast<size_t>(s)];
        q.shown = true;
        q.status = SlotStatus::Entered;
        q.draw = true;
        q.entryMode = EntryMode::Manual;
        q.kindText = kQuantityKindLabels[0];
        q.description = "Moment v " + std::to_string(s + 1) + ". šestině rozpětí";
        q.line = influenceLine(linePoints, s, sep);
        TendonSlot& t = p->tendons[static_cast<size_t>(s)];
        t.shown = true;
        t.status = SlotStatus::Entered;
        t.draw = true;
        t.name = "Kabel " + std::to_string(s + 1);
        t.typeText = kTendonTypeLabels[static_cast<size_t>(TendonType::Broken)];
        t.type = TendonType::Broken;
        t.points = brokenTendon(tendonPoints, s, sep, stations);
    }
    return p;
}

void addLoads(Project& project, int axles, char sep)
{
    project.loads.selfWeight = formatNumber(12, sep);
    project.loads.permanent = formatNumber(3.5L, sep);
    project.loads.variable = formatNumber(9, sep);
    setAxleCount(project.loads, axles);
    for (int i = 0; i < axles; ++i)
        project.loads.axles.setRow(i + 1, {formatInteger(100 + 10 * i), formatNumber(1.2L * i, sep)});
}

}  // namespace kvor::bench
