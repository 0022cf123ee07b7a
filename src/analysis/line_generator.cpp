#include "analysis/line_generator.h"

#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvor {
namespace {

constexpr char kPoint = '.';

// Above this many raw grid stations the 15-digit texts are surely more than
// the row limit: a step of L/1e6 is far above the texts' resolution (L·1e-14),
// so every grid station keeps its own text. It spares the loop a step that is
// tiny against L.
constexpr long double kMaxRawGridStations = 1e6L;

struct Station {
    std::string text;
    long double value = 0;
    int support = -1;  // support number when the station is one
    bool atTarget = false;
};

std::string tooManyPoints()
{
    return "Příčinková čára by měla více než " + formatInteger(kMaxGeneratedPoints) + " bodů! Zvolte větší krok.";
}

// The request's faults in the order of its fields.
std::string requestFault(const LineRequest& request)
{
    const auto& spans = request.spans;
    if (spans.empty())
        return "Zadejte délku alespoň jednoho pole!";
    if (spans.size() > static_cast<size_t>(kMaxGeneratedSpans))
        return "Nosník smí mít nejvýše " + formatInteger(kMaxGeneratedSpans) + " polí!";
    long double total = 0.0L;
    for (size_t j = 0; j < spans.size(); ++j) {
        if (!(spans[j] > 0))
            return "Délka " + formatInteger(static_cast<long long>(j + 1)) + ".pole musí být větší než 0!";
        total += spans[j];
    }
    if (!std::isfinite(total))
        return "Délky polí jsou mimo rozsah čísel, jejich součet nelze spočítat!";
    if (!(request.step > 0))
        return "Krok musí být větší než 0!";
    if (lineNeedsStiffness(request.kind)) {
        if (!request.ei)
            return "Pro průhyb a pootočení zadejte ohybovou tuhost EI!";
        if (!(*request.ei > 0))
            return "Ohybová tuhost EI musí být větší než 0!";
    }
    return {};
}

// Ascending stations with unique texts.
std::vector<Station> sortedUnique(std::vector<Station> stations)
{
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station& a, const Station& b) { return a.value < b.value; });
    std::vector<Station> out;
    out.reserve(stations.size());
    for (auto& s : stations) {
        if (!out.empty() && out.back().text == s.text) {
            auto& kept = out.back();
            kept.support = std::max(kept.support, s.support);
            kept.atTarget = kept.atTarget || s.atTarget;
            continue;
        }
        out.push_back(std::move(s));
    }
    return out;
}

// Walks the spans along ascending stations: the position of the unit load.
class LoadWalker {
public:
    explicit LoadWalker(const BeamInfluence& beam) : beam_(beam) {}

    BeamPosition at(const Station& s)
    {
        if (s.support >= 0)
            return beam_.supportPosition(s.support);
        while (span_ < beam_.spanCount() - 1 && s.value >= beam_.supportStation(span_ + 1))
            ++span_;
        const long double a = std::clamp(s.value - beam_.supportStation(span_), 0.0L, beam_.span(span_));
        return {span_, a};
    }

private:
    const BeamInfluence& beam_;
    int span_ = 0;
};

}  // namespace

const char* lineKindCode(LineKind kind)
{
    static constexpr std::array<const char*, 5> codes = {"M", "V", "R", "w", "fi"};
    return codes[static_cast<int>(kind)];
}

std::optional<LineKind> lineKindOfCode(std::string_view code)
{
    for (int k = 0; k < 5; ++k)
        if (code == lineKindCode(static_cast<LineKind>(k)))
            return static_cast<LineKind>(k);
    return std::nullopt;
}

std::optional<LineKind> lineKindOf(QuantityKind kind)
{
    if (kind == QuantityKind::None)
        return std::nullopt;
    return static_cast<LineKind>(static_cast<int>(kind));  // the same order
}

bool lineNeedsStiffness(LineKind kind) { return kind == LineKind::Deflection || kind == LineKind::Rotation; }

std::vector<std::string> supportStationTexts(const std::vector<long double>& spans)
{
    std::vector<std::string> texts;
    long double station = 0.0L;
    texts.push_back(formatNumber(station, kPoint));
    for (long double l : spans) {
        station += l;
        texts.push_back(formatNumber(station, kPoint));
    }
    return texts;
}

std::string supportName(int i)
{
    return std::string(1, static_cast<char>('a' + i));
}

GeneratedLine generateLine(const LineRequest& request)
{
    GeneratedLine result;
    result.fault = requestFault(request);
    if (!result.fault.empty())
        return result;

    const BeamInfluence beam(request.spans);
    const int n = beam.spanCount();
    const long double total = beam.totalLength();

    std::vector<Station> stations;
    for (int i = 0; i <= n; ++i) {
        auto f = formatAndReread(beam.supportStation(i), kPoint);
        stations.push_back({std::move(f.text), f.reread, i, false});
    }
    const Station beamEnd = stations.back();

    // The target: a support when its text is one.
    auto target = formatAndReread(request.station, kPoint);
    int targetSupport = -1;
    for (int i = 0; i <= n; ++i)
        if (stations[i].text == target.text)
            targetSupport = i;
    if (targetSupport < 0 && (target.reread < 0 || target.reread > beamEnd.value)) {
        result.fault = "Staničení X musí ležet na nosníku, od 0 do " + beamEnd.text + " m!";
        return result;
    }
    if (request.kind == LineKind::Reaction && targetSupport < 0) {
        std::string list;
        for (int i = 0; i <= n; ++i)
            list += (i ? ", " : "") + stations[i].text;
        result.fault = "Reakci lze počítat jen v podpoře, X musí být jedno ze staničení " + list + "!";
        return result;
    }
    if (request.kind == LineKind::Shear && targetSupport >= 0) {
        result.fault = "Posouvající sílu nelze počítat přímo v podpoře, zvolte X mimo podpory!";
        return result;
    }
    if (targetSupport >= 0)
        stations[targetSupport].atTarget = true;
    else
        stations.push_back({target.text, target.reread, -1, true});

    // The grid k·H, k an integer, in long double.
    if (total / request.step > kMaxRawGridStations) {
        result.fault = tooManyPoints();
        return result;
    }
    std::string previous;
    int gridTexts = 0;
    for (long long k = 0;; ++k) {
        const long double s = static_cast<long double>(k) * request.step;
        if (!(s < total))
            break;
        auto f = formatAndReread(s, kPoint);
        if (f.text == previous)
            continue;
        if (++gridTexts > kMaxGeneratedPoints) {
            result.fault = tooManyPoints();
            return result;
        }
        previous = f.text;
        stations.push_back({std::move(f.text), f.reread, -1, false});
    }

    stations = sortedUnique(std::move(stations));
    const bool shear = request.kind == LineKind::Shear;
    const size_t rows = stations.size() + (shear ? 1 : 0);
    if (rows > static_cast<size_t>(kMaxGeneratedPoints)) {
        result.fault = tooManyPoints();
        return result;
    }

    BeamPosition at;
    if (targetSupport >= 0)
        at = beam.supportPosition(targetSupport);
    else {
        LoadWalker walker(beam);
        at = walker.at({target.text, target.reread, -1, true});
    }
    const long double ei = request.ei.value_or(1.0L);

    auto ordinate = [&](const BeamPosition& load, LoadSide side) -> long double {
        switch (request.kind) {
        case LineKind::Moment: return beam.moment(at, load);
        case LineKind::Shear: return beam.shear(at, load, side);
        case LineKind::Reaction: return beam.reaction(targetSupport, load);
        case LineKind::Deflection: return beam.deflection(at, load, ei);
        case LineKind::Rotation: return beam.rotation(at, load, ei);
        }
        return 0.0L;
    };

    auto slope = [&](const BeamPosition& load, LoadSide side) -> long double {
        switch (request.kind) {
        case LineKind::Moment: return beam.momentSlope(at, load, side);
        case LineKind::Shear: return beam.shearSlope(at, load);
        case LineKind::Reaction: return beam.reactionSlope(targetSupport, load);
        case LineKind::Deflection: return beam.deflectionSlope(at, load, ei);
        case LineKind::Rotation: return beam.rotationSlope(at, load, ei);
        }
        return 0.0L;
    };
    // A support is approached from the span on either side of it; the beam's
    // ends from their one span only.
    auto slopesAt = [&](const Station& s, const BeamPosition& load) -> StationSlopes {
        if (s.support < 0)
            return {slope(load, LoadSide::Left), slope(load, LoadSide::Right)};
        const int i = s.support;
        const bool fromLeft = i > 0, fromRight = i < n;
        const long double left = fromLeft ? slope({i - 1, beam.span(i - 1)}, LoadSide::Left) : 0.0L;
        const long double right = fromRight ? slope({i, 0.0L}, LoadSide::Right) : 0.0L;
        return {fromLeft ? left : right, fromRight ? right : left};
    };

    result.points.reserve(rows);
    result.slopes.reserve(rows);
    LoadWalker walker(beam);
    bool finite = true;
    bool slopesFinite = true;
    auto text = [&finite](long double v) {
        finite = finite && std::isfinite(v);
        return formatNumber(v, kPoint);
    };
    for (const auto& s : stations) {
        const BeamPosition load = walker.at(s);
        const StationSlopes slopes = slopesAt(s, load);
        slopesFinite = slopesFinite && std::isfinite(slopes.left) && std::isfinite(slopes.right);
        result.points.push_back({s.text, text(ordinate(load, LoadSide::Left))});
        result.slopes.push_back(slopes);
        if (shear && s.atTarget) {
            result.points.push_back({s.text, text(ordinate(load, LoadSide::Right))});
            result.slopes.push_back(slopes);
        }
    }
    if (!finite) {
        // Lengths or a stiffness at the ends of the number range.
        result.points.clear();
        result.slopes.clear();
        result.fault = "Pořadnice příčinkové čáry přesahují rozsah čísel!";
    }
    if (!slopesFinite)
        result.slopes.clear();  // the line stands; its slopes come from differences
    return result;
}

std::string lineFileText(const std::vector<LinePoint>& points)
{
    std::string text;
    text.reserve(points.size() * 32);
    for (const auto& p : points) {
        text += p.station;
        text += '\t';
        text += p.ordinate;
        text += '\n';
    }
    return text;
}

}  // namespace kvor
