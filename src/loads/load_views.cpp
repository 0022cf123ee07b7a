#include "loads/load_views.h"

#include <algorithm>
#include <cmath>

namespace kvor {

std::string loadQuantityName(const QuantitySlot& slot, int slotIndex)
{
    std::string name = std::to_string(slotIndex + 1) + " " + slot.kindText;
    if (!slot.description.empty())
        name += " (" + slot.description + ")";
    return name;
}

TextTable loadEffectsTable(const Project& project, const std::vector<QuantityLoadEffects>& effects, char sep)
{
    TextTable table(static_cast<int>(effects.size()) + 1, static_cast<int>(kLoadEffectHeadings.size()));
    for (int c = 0; c < table.colCount(); ++c)
        table.setCell(0, c, kLoadEffectHeadings[static_cast<size_t>(c)]);
    int r = 1;
    for (const QuantityLoadEffects& q : effects) {
        const QuantitySlot& slot = project.quantities.at(static_cast<size_t>(q.slot));
        table.setCell(r, 0, loadQuantityName(slot, q.slot));
        table.setCell(r, 1, loadEffectUnit(slot));
        const std::array<std::string, 10> texts = loadEffectTexts(q.effects, sep);
        for (size_t i = 0; i < texts.size(); ++i)
            table.setCell(r, static_cast<int>(i) + 2, texts[i]);
        ++r;
    }
    return table;
}

long double adverseOrdinate(const LinePoints& line, long double totalLength, long double x, bool larger)
{
    const std::vector<long double>& s = line.stations;
    const std::vector<long double>& v = line.ordinates;
    const size_t n = std::min(s.size(), v.size());
    if (n == 0)
        return 0;
    const long double lo = std::max(s.front(), 0.0L);
    const long double hi = std::min(s[n - 1], totalLength);
    if (x < lo || x > hi)
        return 0;
    const auto first = std::lower_bound(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n), x);
    const auto i = static_cast<size_t>(first - s.begin());
    if (i < n && s[i] == x) {
        long double pick = v[i];
        for (size_t k = i; k < n && s[k] == x; ++k)
            pick = larger ? std::max(pick, v[k]) : std::min(pick, v[k]);
        if (x == lo || x == hi)
            pick = larger ? std::max(pick, 0.0L) : std::min(pick, 0.0L);
        return pick;
    }
    // Strictly between rows i − 1 and i (R lies within the line's stations).
    const long double t = (x - s[i - 1]) / (s[i] - s[i - 1]);
    long double value = v[i - 1] + (v[i] - v[i - 1]) * t;
    // R cut inside a piece of the line: its end takes the 0 beyond too.
    if (x == lo || x == hi)
        value = larger ? std::max(value, 0.0L) : std::min(value, 0.0L);
    return value;
}

std::vector<ChartSeries> loadChartSeries(const LinePoints& line, long double totalLength,
                                         const LoadEffects& effects, const AxleGroup& axles, bool axlesShown)
{
    std::vector<ChartSeries> series;
    ChartSeries curve{"line", ChartColour::Green, {}};
    long double low = 0, high = 0;
    const size_t n = std::min(line.stations.size(), line.ordinates.size());
    for (size_t i = 0; i < n; ++i) {
        curve.points.push_back({line.stations[i], line.ordinates[i]});
        low = std::min(low, line.ordinates[i]);
        high = std::max(high, line.ordinates[i]);
    }
    series.push_back({"beamAxis", ChartColour::Black, {{0, 0}, {totalLength, 0}}});
    series.push_back(std::move(curve));
    if (!axlesShown)
        return series;

    const long double height = high > low ? high - low : 1;
    const long double shaft = height / 4;
    const long double barbDrop = shaft / 4;
    long double left = std::min(0.0L, n ? line.stations.front() : 0.0L);
    long double right = std::max(totalLength, n ? line.stations[n - 1] : 0.0L);
    const long double barbHalfWidth = (right > left ? right - left : 1) / 150;
    const auto arrows = [&](const std::optional<GroupPlacement>& placement, const char* name, ChartColour colour,
                            bool larger) {
        if (!placement)
            return;
        const std::vector<long double> stations = axleStations(*placement, axles);
        for (size_t i = 0; i < stations.size(); ++i) {
            const long double x = stations[i];
            const long double tip = adverseOrdinate(line, totalLength, x, larger);
            // One stroke: the barbs through the tip, then the shaft up from it.
            series.push_back({std::string(name) + " " + std::to_string(i + 1), colour,
                              {{x - barbHalfWidth, tip + barbDrop},
                               {x, tip},
                               {x + barbHalfWidth, tip + barbDrop},
                               {x, tip},
                               {x, tip + shaft}}});
        }
    };
    arrows(effects.groupPlus, "T+", ChartColour::Red, true);
    arrows(effects.groupMinus, "T−", ChartColour::Blue, false);
    return series;
}

}  // namespace kvor
