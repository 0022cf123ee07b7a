#include "tendons/parabolic_polygon.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

constexpr int kStation = 0;
constexpr int kEccentricity = 1;
constexpr int kForce = 2;

}  // namespace

bool isParabolicType(TendonType type)
{
    return type == TendonType::SimpleParabolic || type == TendonType::CompositeParabolic ||
           type == TendonType::Combined;
}

std::string tendonTableNote(TendonType type)
{
    if (!isParabolicType(type))
        return "Pro přímý kabel a lomený";
    return "Parabola nahrazena D tětivami: body tětiv";
}

bool segmentIsParabolic(const TextTable& store, TendonType type, int k)
{
    return type != TendonType::Combined || !store.cell(k, kMidEccentricityColumn).empty();
}

std::optional<int> parseDivisions(std::string_view text)
{
    const std::optional<int32_t> d = parseInteger(text);
    if (!d || *d < kMinDivisions || *d > kMaxDivisions)
        return std::nullopt;
    return *d;
}

long long polygonPointCount(const TextTable& store, TendonType type, int divisions)
{
    const int n = store.rowCount() - 1;
    long long count = n > 0 ? n : 0;
    for (int k = 1; k < n; ++k)
        if (segmentIsParabolic(store, type, k))
            count += divisions - 1;
    return count;
}

std::optional<long double> chordDeviation(const TextTable& store, TendonType type, std::string_view divisions,
                                          char sep)
{
    const std::optional<int> d = parseDivisions(divisions);
    if (!d)
        return std::nullopt;
    std::optional<long double> largestSag;
    const int n = store.rowCount() - 1;
    for (int k = 1; k < n; ++k) {
        if (!segmentIsParabolic(store, type, k))
            continue;
        const auto ea = parseNumber(store.cell(k, kEccentricity), sep);
        const auto eb = parseNumber(store.cell(k + 1, kEccentricity), sep);
        const auto m = parseNumber(store.cell(k, kMidEccentricityColumn), sep);
        if (!ea || !eb || !m)
            continue;
        const long double sag = std::fabs(*m - (*ea + *eb) / 2);
        if (std::isfinite(sag))
            largestSag = std::max(largestSag.value_or(0.0L), sag);
    }
    if (!largestSag)
        return std::nullopt;
    return *largestSag / (static_cast<long double>(*d) * *d);
}

std::string chordDeviationNote(const TextTable& store, TendonType type, std::string_view divisions, char sep)
{
    const auto deviation = chordDeviation(store, type, divisions, sep);
    if (!deviation)
        return {};
    // In millimetres to three significant digits: an estimate, not a result.
    const long double mm = *deviation * 1000;
    const long double scale = mm > 0 ? std::pow(10.0L, 2 - std::floor(std::log10(mm))) : 1;
    return "Odchylka tětiv od paraboly: f/D² = " + formatNumber(std::round(mm * scale) / scale, sep) +
           " mm.";
}

std::string divisionsMessage()
{
    return "Počet dělení paraboly musí být celé číslo od " + formatInteger(kMinDivisions) + " do " +
           formatInteger(kMaxDivisions) + "!!!";
}

std::string polygonTooLargeMessage(long long points)
{
    return "Kabel by po rozdělení parabol měl " + formatInteger(points) + " bodů, smí jich mít nejvýše " +
           formatInteger(kMaxPolygonPoints) + "!!!";
}

namespace {

// Walks the polygon in order: `given(r)` for each point of the store,
// `inserted(x, e, a)` for each chord point of the parabola from row a, with
// the unrounded values of the formula.
template <class Given, class Inserted>
void walkPolygon(const TextTable& store, TendonType type, int divisions, char sep, Given&& given,
                 Inserted&& inserted)
{
    const long long count = polygonPointCount(store, type, divisions);
    if (count > kMaxPolygonPoints)
        throw Error(polygonTooLargeMessage(count));
    const int n = store.rowCount() - 1;
    const long double chords = static_cast<long double>(divisions);
    for (int a = 1; a <= n; ++a) {
        given(a);
        if (a == n || !segmentIsParabolic(store, type, a))
            continue;
        const int b = a + 1;
        const long double xa = toNumber(store.cell(a, kStation), sep);
        const long double ea = toNumber(store.cell(a, kEccentricity), sep);
        const long double xb = toNumber(store.cell(b, kStation), sep);
        const long double eb = toNumber(store.cell(b, kEccentricity), sep);
        const long double m = toNumber(store.cell(a, kMidEccentricityColumn), sep);
        // The sag at midspan of the chord; positive sags downwards.
        const long double f = m - (ea + eb) / 2;
        for (int j = 1; j < divisions; ++j) {
            const long double t = static_cast<long double>(j) / chords;
            const long double x = xa + (xb - xa) * t;
            const long double e = ea + (eb - ea) * t + 4 * f * t * (1 - t);
            inserted(checkedFinite(x), checkedFinite(e), a);
        }
    }
}

}  // namespace

TextTable parabolicPolygon(const TextTable& store, TendonType type, int divisions, char sep)
{
    const long long count = std::min<long long>(polygonPointCount(store, type, divisions), kMaxPolygonPoints);
    TextTable polygon(static_cast<int>(count) + 1, 3);
    polygon.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    int row = 1;
    walkPolygon(
        store, type, divisions, sep,
        [&](int r) {
            polygon.setRow(row++, {store.cell(r, kStation), store.cell(r, kEccentricity), store.cell(r, kForce)});
        },
        [&](long double x, long double e, int a) {
            polygon.setRow(row++, {formatNumber(x, sep), formatNumber(e, sep), store.cell(a, kForce)});
        });
    return polygon;
}

void forEachPolygonVertex(const TendonSlot& slot, char sep, const std::function<void(size_t count)>& start,
                          const std::function<void(const PolygonVertex&)>& visit)
{
    const std::optional<int> divisions = parseDivisions(slot.divisions);
    if (!divisions)
        throw Error(divisionsMessage());
    start(static_cast<size_t>(std::min<long long>(polygonPointCount(slot.points, slot.type, *divisions),
                                                  kMaxPolygonPoints)));
    walkPolygon(
        slot.points, slot.type, *divisions, sep,
        [&](int r) {
            visit({toNumber(slot.points.cell(r, kStation), sep), toNumber(slot.points.cell(r, kEccentricity), sep),
                   r - 1});
        },
        [&](long double x, long double e, int a) { visit({x, e, a - 1}); });
}

std::vector<PolygonVertex> parabolicPolygonVertices(const TendonSlot& slot, char sep)
{
    std::vector<PolygonVertex> vertices;
    forEachPolygonVertex(
        slot, sep, [&](size_t count) { vertices.reserve(count); },
        [&](const PolygonVertex& v) { vertices.push_back(v); });
    return vertices;
}

TextTable parabolicPolygon(const TendonSlot& slot, char sep)
{
    const std::optional<int> divisions = parseDivisions(slot.divisions);
    if (!divisions)
        throw Error(divisionsMessage());
    return parabolicPolygon(slot.points, slot.type, *divisions, sep);
}

}  // namespace kvor
