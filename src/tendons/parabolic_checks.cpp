#include "tendons/parabolic_checks.h"

#include "influence/table_checks.h"
#include "model/numbers.h"
#include "structure/beam.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_checks.h"

#include <string>

namespace kvor {

namespace {

using namespace parabolic_fields;

constexpr int kStation = 0;
constexpr int kEccentricity = 1;
constexpr int kForceColumn = 2;
// Columns of the segment table.
constexpr int kSegmentForce = 0;
constexpr int kSegmentMid = 1;

constexpr const char* kOutsideSection = "Bod kabelu nesmí ležet mimo průřez nosníku";
constexpr const char* kForceNotCompression = "Předpínací síla musí být zadána jako záporná-tlaková!";

// The straight tendon's field checks speak of its fields s1, s2, e and N; a
// parabola's fields take their place.
Reports onField(Reports reports, Field field)
{
    for (Report& r : reports)
        r.focus = r.focus == Field::StraightFirstStation ? kX1 : field;
    return reports;
}

std::optional<TendonFault> firstOf(const Reports& reports)
{
    if (reports.empty())
        return std::nullopt;
    return TendonFault{reports.front(), 0, -1};
}

TendonFault inTable(std::string message, Field table, int row, int column)
{
    return {Report{std::move(message), Beep::AfterMessage, table, std::nullopt}, row, column};
}

struct Fibres {
    long double bottom;
    long double top;
    bool inside(long double e) const { return e >= top && e <= bottom; }
    // "od e_h = -0,6 do e_d = 0,6 m": where a tendon may lie.
    std::string reach(char sep) const
    {
        return "od e_h = " + formatNumber(top, sep) + " do e_d = " + formatNumber(bottom, sep) + " m";
    }
};

Fibres fibresOf(const CrossSection& section, char sep)
{
    return {toNumber(section.eBottom, sep), toNumber(section.eTop, sep)};
}

// Every chord point of every parabolic segment, as its text reads back.
std::optional<TendonFault> checkBulge(TendonType type, const TextTable& store, int divisions,
                                      const CrossSection& section, char sep)
{
    const Fibres fibres = fibresOf(section, sep);
    const TextTable polygon = parabolicPolygon(store, type, divisions, sep);
    const int n = store.rowCount() - 1;
    int row = 1;
    for (int k = 1; k < n; ++k) {
        ++row;  // the given point k
        if (!segmentIsParabolic(store, type, k))
            continue;
        for (int j = 1; j < divisions; ++j, ++row) {
            if (fibres.inside(toNumber(polygon.cell(row, kEccentricity), sep)))
                continue;
            const std::string limits = ", kabel musí ležet " + fibres.reach(sep);
            if (type == TendonType::SimpleParabolic)
                return TendonFault{Report{"Parabola kabelu vybíhá mimo průřez nosníku" + limits + "!!!",
                                          Beep::BeforeMessage, kMid, std::nullopt},
                                   0, -1};
            return inTable("Parabola " + formatInteger(k) + ".úseku kabelu vybíhá mimo průřez nosníku" + limits + "!",
                           kSegmentTable, k, kSegmentMid);
        }
    }
    return std::nullopt;
}

std::optional<TendonFault> checkPolygonSize(TendonType type, const TextTable& store, int divisions,
                                            Field divisionsField)
{
    const long long points = polygonPointCount(store, type, divisions);
    if (points <= kMaxPolygonPoints)
        return std::nullopt;
    return TendonFault{Report{polygonTooLargeMessage(points), Beep::BeforeMessage, divisionsField, std::nullopt}, 0,
                       -1};
}

std::optional<TendonFault> checkSimpleTendon(const TextTable& store, std::string_view divisions,
                                             const BeamModel& beam, const CrossSection& section, char sep)
{
    for (const Field field : {kX1, kE1, kX2, kE2, kMid, parabolic_fields::kForce})
        if (auto fault = firstOf(checkSimpleField(field, store, beam, section, sep)))
            return fault;
    if (auto fault = checkDivisions(divisions, kSimpleDivisions))
        return fault;
    return checkBulge(TendonType::SimpleParabolic, store, *parseDivisions(divisions), section, sep);
}

}  // namespace

Reports checkSimpleField(Field field, const TextTable& store, const BeamModel& beam,
                         const CrossSection& section, char sep)
{
    if (field == kX1)
        return onField(checkFirstAnchorage(store.cell(1, kStation), beam, sep), kX1);
    if (field == kX2)
        return onField(checkSecondAnchorage(store.cell(1, kStation), store.cell(2, kStation), beam, sep), kX2);
    if (field == kE1)
        return onField(checkEccentricity(store.cell(1, kEccentricity), section, sep), kE1);
    if (field == kE2)
        return onField(checkEccentricity(store.cell(2, kEccentricity), section, sep), kE2);
    if (field == kMid) {
        const std::string_view mid = store.cell(1, kMidEccentricityColumn);
        if (mid.empty()) {
            fibresOf(section, sep);  // the section is obtained first, as in every field check
            return {Report{"Zadejte excentricitu kabelu uprostřed úseku!!!", Beep::BeforeMessage, kMid, std::nullopt}};
        }
        return onField(checkEccentricity(mid, section, sep), kMid);
    }
    if (field == parabolic_fields::kForce)
        return onField(checkForce(store.cell(1, kForceColumn), sep), parabolic_fields::kForce);
    return {};
}

std::optional<TendonFault> checkDivisions(std::string_view divisions, Field field)
{
    if (parseDivisions(divisions))
        return std::nullopt;
    return TendonFault{Report{divisionsMessage(), Beep::BeforeMessage, field, std::nullopt}, 0, -1};
}

std::optional<TendonFault> checkParabolicPoints(const TextTable& store, const BeamModel& beam,
                                                const CrossSection& section, char sep)
{
    const Fibres fibres = fibresOf(section, sep);
    const long double total = totalBeamLength(beam, sep);
    if (auto fault = findStationFault(store, kStation, total, sep))
        return inTable(std::move(fault->message), kPointTable, fault->row, kStation);
    const int n = store.rowCount() - 1;
    for (int r = 1; r <= n; ++r) {
        const auto e = parseNumber(store.cell(r, kEccentricity), sep);
        if (!e)
            return inTable(notANumberMessage(kSecondColumnOpening, r), kPointTable, r, kEccentricity);
        if (!fibres.inside(*e))
            return inTable(kOutsideSection, kPointTable, r, kEccentricity);
    }
    return std::nullopt;
}

std::optional<TendonFault> checkParabolicSegments(TendonType type, const TextTable& store,
                                                  const CrossSection& section, char sep, bool forcesToCome)
{
    const Fibres fibres = fibresOf(section, sep);
    const int n = store.rowCount() - 1;
    bool noForces = forcesToCome;
    for (int k = 1; k < n && noForces; ++k)
        noForces = store.cell(k, kForceColumn).empty();
    for (int k = 1; k < n; ++k) {
        const bool parabolic = segmentIsParabolic(store, type, k);
        const auto force = parseNumber(store.cell(k, kForceColumn), sep);
        if (noForces) {
        } else if (!force) {
            return inTable(notANumberMessage(kFirstColumnOpening, k), kSegmentTable, k, kSegmentForce);
        } else if (parabolic ? *force >= 0 : *force > 0) {
            // A straight segment of a combined tendon follows the broken tendon,
            // whose segment force 0 passes; a parabola carries a compression force.
            return inTable(kForceNotCompression, kSegmentTable, k, kSegmentForce);
        }
        if (!parabolic)
            continue;
        const std::string_view midText = store.cell(k, kMidEccentricityColumn);
        if (midText.empty())
            return inTable("Zadejte excentricitu kabelu uprostřed " + formatInteger(k) + ".úseku!", kSegmentTable,
                           k, kSegmentMid);
        const auto mid = parseNumber(midText, sep);
        if (!mid)
            return inTable(notANumberMessage(kSecondColumnOpening, k), kSegmentTable, k, kSegmentMid);
        if (!fibres.inside(*mid))
            return inTable("Excentricita uprostřed " + formatInteger(k) + ".úseku musí ležet v průřezu, " +
                               fibres.reach(sep) + "!",
                           kSegmentTable, k, kSegmentMid);
        // A parabola needs a run; only a straight segment may stand vertical.
        const auto from = parseNumber(store.cell(k, kStation), sep);
        const auto to = parseNumber(store.cell(k + 1, kStation), sep);
        if (from && to && !(*to > *from))
            return inTable("Staničení " + formatInteger(k + 1) + ".bodu musí být větší než staničení " +
                               formatInteger(k) + ".bodu, úsek mezi nimi je parabolický!",
                           kPointTable, k + 1, kStation);
    }
    return std::nullopt;
}

std::optional<TendonFault> checkParabolicTendon(TendonType type, const TextTable& store,
                                                std::string_view divisions, const BeamModel& beam,
                                                const CrossSection& section, char sep)
{
    // A type 2 tendon has its two points, the others at least two.
    const int n = store.rowCount() - 1;
    const bool simple = type == TendonType::SimpleParabolic;
    if (simple ? n != 2 : n < 2)
        return TendonFault{Report{"Zadejte parametry předpínacího kabelu", Beep::None, simple ? kX1 : kPointTable,
                                  std::nullopt},
                           0, -1};
    if (simple)
        return checkSimpleTendon(store, divisions, beam, section, sep);
    if (auto fault = checkParabolicPoints(store, beam, section, sep))
        return fault;
    if (auto fault = checkParabolicSegments(type, store, section, sep))
        return fault;
    if (auto fault = checkDivisions(divisions, kTableDivisions))
        return fault;
    const int d = *parseDivisions(divisions);
    if (auto fault = checkPolygonSize(type, store, d, kTableDivisions))
        return fault;
    return checkBulge(type, store, d, section, sep);
}

std::optional<Report> checkEnteredParabolicTendons(const Project& project, char sep)
{
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
        if (!slot.entered() || !isParabolicType(slot.type))
            continue;
        if (auto fault =
                checkParabolicTendon(slot.type, slot.points, slot.divisions, project.beam, project.section, sep)) {
            fault->report.focus = nthField(Field::TendonDefinition1, t);
            return fault->report;
        }
    }
    return std::nullopt;
}

}  // namespace kvor
