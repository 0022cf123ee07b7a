#pragma once
// Effect of one prestressing tendon on one quantity: the tendon is replaced by
// the forces and moments it exerts at its points; vertical forces are weighted
// by the influence-line ordinate, moments by its slope, and the products summed.
// Units: stations and eccentricities in m, forces in kN; the effect is in the
// quantity's unit.
//
// The tendon table documents the computation (9 columns, row 0 headings "Bod",
// "Staničení", "Excentricita", "Předp.síla", "Svislá síla", "Vodorovná síla",
// "Moment", "Příč.čára", "Derivace př.čáry"; one row per tendon point).
//
// Straight tendon (store rows 1 and 2): V = H = 0 and the ordinate "0"; moments
// M(1) = e(1)·N(1), M(2) = -e(2)·N(2); effect d(x1)·M(1) + d(x2)·M(2) with the
// slopes re-read from their cells (a slope found at row 1 is copied as its text)
// and the moments unrounded.
//
// Broken tendon (all store rows): segment k has the angle
// α(k) = atan2l(e(k) - e(k+1), x(k+1) - x(k)), so a tendon going down along the
// beam has a negative angle; point forces V = N·sin α, H = N·cos α (the starting
// segment's force minus the ending one's at interior points, minus the last
// segment at point n with the force of point n's own row); M(i) = e(i)·H(i) from
// the texts; effect Σ c(i), c(i) = d(i)·M(i) + V(i)·η(i), with d, V and η re-read
// from their 15-digit texts and M unrounded, added in point order from zero.
//
// Every failure throws kvor::Error and leaves what was written so far: a text
// that is no number, a tendon point past the last station of the influence line,
// or a value that overflows.

#include "evaluation/station_lookup.h"
#include "model/project.h"
#include "model/text_table.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace kvor {

// Headings of the nine columns of a tendon table.
extern const std::array<const char*, 9> kTendonTableHeadings;

// What a broken tendon exerts at its points (columns 4 to 6 of its table) does
// not depend on the quantity. A run forms it at the tendon's first table and
// copies it into the tendon's later tables, which gives the same texts and
// values as forming it again.
struct TendonLoads {
    const TextTable* table = nullptr;   // the table the loads were first written to; null until then
    std::vector<long double> station;   // x(i)
    std::vector<long double> vertical;  // V(i) as re-read from its text
    std::vector<long double> moment;    // M(i) unrounded
};

// The two columns of a broken tendon's table that differ per quantity, the
// ordinates and slopes looked up at its points: written, or skipped by a run
// that wants the effects alone (the rows of both columns are then left empty;
// the lookups, their rounding and every failure are the same).
enum class QuantityColumns { Written, Skipped };

// Fills `tendonTable` for a straight or broken tendon and returns its effect;
// any other type computes nothing, leaves the table and returns nothing.
// `line` indexes the quantity's influence line, `slopes` its derivative table.
// `loads` carries a broken tendon's loads from one quantity to the next: pass
// the same object for every quantity of one tendon, and keep the table it
// refers to unchanged meanwhile. Once formed, loads are only read, so several
// threads may use them at once. Every table of the tendon holds the point
// number, station, eccentricity, force and load columns together with the
// store and the table the loads were formed in (TextTable::shareColumn).
std::optional<long double> tendonEffect(TendonType type, const TextTable& tendonPoints,
                                        const StationIndex& line, const StationIndex& slopes,
                                        TextTable& tendonTable, char sep, TendonLoads& loads,
                                        QuantityColumns columns = QuantityColumns::Written);

// Forms a broken tendon's loads without a quantity: `table` gets the point
// numbers, the store's columns and the loads V, H and M as the tendon's first
// table would, and `loads` refers to it. Throws kvor::Error where forming them
// in tendonEffect would fail (a text that is no number, an overflow); the
// lookups of a quantity are not made, so a failure of those is found only by
// tendonEffect itself. A run that wants the effects alone skips the columns:
// `table` then gets only its headings and size, `loads` the same values.
enum class LoadColumns { Written, Skipped };
void formBrokenTendonLoads(const TextTable& tendonPoints, TextTable& table, TendonLoads& loads, char sep,
                           LoadColumns columns = LoadColumns::Written);

// The effects alone on one quantity of broken tendons whose loads are formed
// and whose points stand at the same stations (the `station` of every entry
// equal to the first's; `n` points each): each station is looked up and
// rounded once for all of them. Each effect is the value, summed in the same
// order, that tendonEffect with skipped columns returns for its tendon. An
// entry is empty where that tendon's pass fails (every entry when a lookup
// fails): tendonEffect on that tendon alone then meets and reports the failure.
std::vector<std::optional<long double>> effectsAtSharedStations(const StationIndex& line, const StationIndex& slopes,
                                                                std::span<const TendonLoads* const> tendons, int n);
// The tendon table that tendonEffect with skipped columns leaves for a tendon
// whose effect effectsAtSharedStations gave.
void tendonTableOfSharedEffect(const TextTable& tendonPoints, const TendonLoads& loads, TextTable& tendonTable);

// The same for a single quantity.
std::optional<long double> tendonEffect(TendonType type, const TextTable& tendonPoints,
                                        const StationIndex& line, const StationIndex& slopes,
                                        TextTable& tendonTable, char sep);

}  // namespace kvor
