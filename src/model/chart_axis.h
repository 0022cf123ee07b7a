#pragma once
// Axis scales that read well in print: ticks at multiples of a step of 1, 2 or
// 5 × 10^n, labelled with just the decimals that step needs.

#include <vector>

namespace kvor {

struct AxisScale {
    long double min;        // the range the axis shows
    long double max;
    long double step;       // distance between ticks: 1, 2 or 5 × 10^n
    long double firstTick;  // the least multiple of step not below min
    int decimals;           // digits after the decimal separator a tick label needs

    // How many ticks lie within the range.
    int tickCount() const;
    // The ticks from the least, each a whole number of steps from the first
    // (no sum of rounded steps), and zero exactly zero.
    std::vector<long double> ticks() const;
    // Digits after the decimal separator of a value read off this scale: to a
    // tenth of the step (0,01 between ticks 0,1 apart, none between ticks 50
    // apart), as finely as the eye places a point between two ticks.
    int readOutDecimals() const;
};

// The range widened outward to multiples of the step, with the finest step
// that leaves at most maxTicks ticks (both ends are ticks). For a value axis
// fitted to data.
AxisScale niceScale(long double min, long double max, int maxTicks);

// The range kept as given, with ticks at the multiples of the finest step that
// leaves at most maxTicks of them inside it. For an axis whose ends mean
// something (the beam's ends) or a zoomed view.
AxisScale spanScale(long double min, long double max, int maxTicks);

}  // namespace kvor
