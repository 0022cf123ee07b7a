#include "tendons/tendon_checks.h"

#include "influence/table_checks.h"
#include "model/numbers.h"
#include "structure/beam.h"

#include <string>

namespace kvor {
namespace {

constexpr Field kFirstStationField = Field::StraightFirstStation;
constexpr Field kSecondStationField = Field::StraightSecondStation;
constexpr Field kEccentricityField = Field::StraightEccentricity;
constexpr Field kForceField = Field::StraightForce;
constexpr Field kPointTable = Field::BrokenPoints;
constexpr Field kForceTable = Field::BrokenForces;

constexpr const char* kStationNotNumber = "Staničení musí být zadáno jako číslo!!!";
constexpr const char* kStationNegative = "Staničení nesmí být záporné";
constexpr const char* kStationBeyondBeam = "Staničení nemůže být větší než celková délka nosníku!!!";

Reports one(std::string message, Beep beep, Field focus)
{
    return {Report{std::move(message), beep, focus, std::nullopt}};
}

}  // namespace

Reports checkFirstAnchorage(std::string_view s1Text, const BeamModel& beam, char sep)
{
    const long double total = totalBeamLength(beam, sep);
    const auto s1 = parseNumber(s1Text, sep);
    if (!s1)
        return one(kStationNotNumber, Beep::AfterMessage, kFirstStationField);
    if (*s1 < 0)
        return one(kStationNegative, Beep::None, kFirstStationField);
    // The first anchorage must leave room for the second: s1 = T is rejected.
    if (*s1 >= total)
        return one(kStationBeyondBeam, Beep::AfterMessage, kFirstStationField);
    return {};
}

Reports checkSecondAnchorage(std::string_view s1Text, std::string_view s2Text, const BeamModel& beam,
                             char sep)
{
    const long double total = totalBeamLength(beam, sep);
    Reports reports;
    long double s1 = 0.0L;
    if (s1Text.empty())
        reports.push_back({"Zadejte hodnotu staničení 1.bodu kabelu", Beep::None, kFirstStationField, std::nullopt});
    else
        s1 = toNumber(s1Text, sep);

    const auto fault = [&](const char* message) {
        reports.push_back({message, Beep::AfterMessage, kSecondStationField, std::nullopt});
        return reports;
    };
    const auto s2 = parseNumber(s2Text, sep);
    if (!s2)
        return fault(kStationNotNumber);
    if (*s2 < 0)
        return fault(kStationNegative);
    if (*s2 > total)
        return fault(kStationBeyondBeam);
    if (*s2 <= s1)
        return fault("Staničení 2.bodu kabelu musí být větší než staničení 1.bodu kabelu!!!");
    return reports;
}

Reports checkEccentricity(std::string_view eText, const CrossSection& section, char sep)
{
    const long double eBottom = toNumber(section.eBottom, sep);
    const long double eTop = toNumber(section.eTop, sep);
    const auto e = parseNumber(eText, sep);
    if (!e)
        return one("Poloha kabelu musí být zadána jako číslo!!!", Beep::BeforeMessage, kEccentricityField);
    if (*e < eTop || *e > eBottom)
        return one("Kabel musí ležet uvnitř průřezu!!!", Beep::BeforeMessage, kEccentricityField);
    return {};
}

Reports checkForce(std::string_view forceText, char sep)
{
    const auto force = parseNumber(forceText, sep);
    if (!force)
        return one("Předpínací síla musí být zadána jako číslo!!!", Beep::BeforeMessage, kForceField);
    if (*force >= 0)
        return one("Předpínací síla musí být zadána jako záporná-tlaková!!!", Beep::BeforeMessage, kForceField);
    return {};
}

std::vector<TendonFault> findPointTableFaults(const TextTable& points, const BeamModel& beam,
                                              const CrossSection& section, char sep)
{
    const long double eBottom = toNumber(section.eBottom, sep);
    const long double eTop = toNumber(section.eTop, sep);
    const long double total = totalBeamLength(beam, sep);

    std::vector<TendonFault> faults;
    auto fault = [&faults](std::string message, int row, int column) {
        faults.push_back({{std::move(message), Beep::AfterMessage, kPointTable, std::nullopt}, row, column});
    };
    if (auto station = findStationFault(points, 0, total, sep))
        fault(std::move(station->message), station->row, 0);

    const int n = points.rowCount() - 1;
    for (int r = 1; r <= n; ++r) {
        const auto e = parseNumber(points.cell(r, 1), sep);
        if (!e) {
            fault(notANumberMessage(kSecondColumnOpening, r), r, 1);
            break;
        }
        if (*e < eTop || *e > eBottom) {
            fault("Bod kabelu nesmí ležet mimo průřez nosníku", r, 1);
            break;
        }
    }
    return faults;
}

Reports checkPointTable(const TextTable& points, const BeamModel& beam, const CrossSection& section, char sep)
{
    Reports reports;
    for (TendonFault& f : findPointTableFaults(points, beam, section, sep))
        reports.push_back(std::move(f.report));
    return reports;
}

std::optional<TendonFault> findSegmentForceFault(const TextTable& forces, char sep)
{
    auto fault = [](std::string message, int row) {
        return TendonFault{{std::move(message), Beep::AfterMessage, kForceTable, std::nullopt}, row, 0};
    };
    const int k = forces.rowCount();
    for (int r = 1; r <= k - 1; ++r) {
        const auto force = parseNumber(forces.cell(r, 0), sep);
        if (!force)
            return fault(notANumberMessage(kFirstColumnOpening, r), r);
        // Unlike a straight tendon's force, a segment force of 0 passes.
        if (*force > 0)
            return fault("Předpínací síla musí být zadána jako záporná-tlaková!", r);
    }
    return std::nullopt;
}

Reports checkSegmentForces(const TextTable& forces, char sep, bool forcesToCome)
{
    bool noForces = forcesToCome;
    for (int r = 1; r < forces.rowCount() && noForces; ++r)
        noForces = forces.cell(r, 0).empty();
    if (noForces)
        return {};
    if (auto f = findSegmentForceFault(forces, sep))
        return {std::move(f->report)};
    return {};
}

}  // namespace kvor
