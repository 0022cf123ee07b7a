#include "model/chart_axis.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

// A value within this share of a step from a multiple counts as on it, so
// that a beam of 27 m computed as 26.999999999 still ends on a tick.
constexpr long double kOnTick = 1e-9L;

long double powerOfTen(int exponent)
{
    // A division by an exact power keeps 0,1 as close as it can be.
    return exponent >= 0 ? std::pow(10.0L, exponent) : 1.0L / std::pow(10.0L, -exponent);
}

long double stepOf(int mantissa, int exponent)
{
    return exponent >= 0 ? mantissa * powerOfTen(exponent) : mantissa / powerOfTen(-exponent);
}

long double lowerMultiple(long double value, long double step)
{
    return std::floor(value / step + kOnTick) * step;
}

long double upperMultiple(long double value, long double step)
{
    return std::ceil(value / step - kOnTick) * step;
}

int ticksBetween(long double first, long double last, long double step)
{
    return static_cast<int>(std::llround((last - first) / step)) + 1;
}

int decimalsOf(int exponent)
{
    return std::max(0, -exponent);
}

// Calls fits(step) for the steps 1, 2, 5 × 10^n upwards from well below
// span / maxTicks and returns the first that fits, with its exponent.
template <class Fits>
std::pair<long double, int> finestStep(long double span, int maxTicks, Fits fits)
{
    static constexpr int mantissas[] = {1, 2, 5};
    int exponent = static_cast<int>(std::floor(std::log10(span / std::max(maxTicks, 2)))) - 1;
    for (;; ++exponent)
        for (int m : mantissas) {
            const long double step = stepOf(m, exponent);
            if (fits(step))
                return {step, exponent};
        }
}

// Degenerate input gives a unit range, so that every caller gets ticks.
bool usable(long double& min, long double& max)
{
    if (!std::isfinite(min) || !std::isfinite(max))
        return false;
    if (max < min)
        std::swap(min, max);
    if (max == min) {
        min -= 1.0L;
        max += 1.0L;
    }
    return true;
}

}  // namespace

int AxisScale::tickCount() const
{
    return static_cast<int>(std::floor((max - firstTick) / step + kOnTick)) + 1;
}

std::vector<long double> AxisScale::ticks() const
{
    std::vector<long double> result;
    const int count = tickCount();
    for (int k = 0; k < count; ++k) {
        const long double tick = firstTick + k * step;
        result.push_back(std::fabs(tick) < step * kOnTick ? 0.0L : tick);
    }
    return result;
}

int AxisScale::readOutDecimals() const
{
    // The step is 1, 2 or 5 × 10^n: its exponent n, safe from the rounding of log10.
    const int exponent = static_cast<int>(std::floor(std::log10(step) + kOnTick));
    return std::max(0, 1 - exponent);
}

AxisScale niceScale(long double min, long double max, int maxTicks)
{
    if (!usable(min, max))
        return {0.0L, 1.0L, 0.2L, 0.0L, 1};
    maxTicks = std::max(maxTicks, 2);
    const auto [step, exponent] = finestStep(max - min, maxTicks, [&](long double s) {
        return ticksBetween(lowerMultiple(min, s), upperMultiple(max, s), s) <= maxTicks;
    });
    const long double low = lowerMultiple(min, step);
    return {low, upperMultiple(max, step), step, low, decimalsOf(exponent)};
}

AxisScale spanScale(long double min, long double max, int maxTicks)
{
    if (!usable(min, max))
        return {0.0L, 1.0L, 0.2L, 0.0L, 1};
    maxTicks = std::max(maxTicks, 2);
    const auto [step, exponent] = finestStep(max - min, maxTicks, [&](long double s) {
        const long double first = upperMultiple(min, s);
        return first > max || ticksBetween(first, lowerMultiple(max, s), s) <= maxTicks;
    });
    return {min, max, step, upperMultiple(min, step), decimalsOf(exponent)};
}

}  // namespace kvor
