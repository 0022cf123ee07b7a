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

// Where the tendons' points stand: every tendon at the same stations (a
// common layout, whose lookups a run for the values alone shares), or each
// tendon's interior points a different fraction of a spacing further along.
enum class TendonStations { Shared, Staggered };

// Numbers are written with `sep` as the decimal separator.
std::unique_ptr<Project> makeProject(int linePoints, int tendonPoints, char sep = ',',
                                     TendonStations stations = TendonStations::Shared);

// The largest group of axles.
inline constexpr int kLargestAxleCount = 20;

// Uniform loads and a group of `axles` axles of 100 to 290 kN, 1,2 m apart.
void addLoads(Project& project, int axles, char sep = ',');

}  // namespace kvor::bench
