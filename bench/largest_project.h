#pragma once
// Projects of a chosen size for measuring "Výpočet": a simple beam of 100 m,
// five influence lines of m points (skewed humps, one per slot) and five
// broken tendons of n points draped along the span, every slot entered, so a
// run evaluates all 25 pairs. The largest project the windows can build has
// m = 32750 and n = 32766.

#include "model/project.h"

#include <memory>

namespace kvor::bench {

inline constexpr int kLargestLinePoints = 32750;
inline constexpr int kLargestTendonPoints = 32766;

// Numbers are written with `sep` as the decimal separator.
std::unique_ptr<Project> makeProject(int linePoints, int tendonPoints, char sep = ',');

// The largest group of axles.
inline constexpr int kLargestAxleCount = 20;

// Uniform loads and a group of `axles` axles of 100 to 290 kN, 1,2 m apart.
void addLoads(Project& project, int axles, char sep = ',');

}  // namespace kvor::bench
