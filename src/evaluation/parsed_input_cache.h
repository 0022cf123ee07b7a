#pragma once
// What a run reads out of the input and what follows from it alone, kept from
// one run to the next: the parsed influence line of each quantity slot, its
// slopes by finite differences, and the loads of each broken tendon. A second "Výpočet" of unchanged input parses
// nothing and computes no angle again.
//
// An entry keeps a copy of the table it was made from, which holds the very
// same columns as the input (TextTable::sharesColumn). The first write to such
// a column gives the writer a copy of its own, so an entry is taken again only
// while the input's columns are still the ones it was made from, that is while
// their texts are unchanged; any other table, of any project, simply misses.
// Reading a project file keeps the index of each line it checked, from the
// numbers the check read. One entry per slot and kind; thread-safe. Keeping never fails: without
// memory for an entry nothing is kept.

#include "evaluation/station_lookup.h"
#include "evaluation/tendon_effect.h"
#include "model/text_table.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace kvor {

// A broken tendon's loads together with the table they were formed in (and
// that they refer to). Once formed they are only read (tendonEffect changes
// loads that are not formed yet), also by several runs.
struct FormedLoads {
    TextTable table;
    TendonLoads loads;
    LoadColumns columns = LoadColumns::Skipped;
};

// The index of `line` (a quantity's influence line) as kept for `slot`, over
// `line` itself; nothing when none is kept for these texts.
std::optional<StationIndex> keptLineIndex(size_t slot, const TextTable& line, char sep);
void keepLineIndex(size_t slot, const TextTable& line, char sep, const StationIndex& index);

// The loads formed from `points` as kept for `slot`: ones formed with their
// columns serve either kind of run, ones without serve a run that skips them.
std::shared_ptr<FormedLoads> keptLoads(size_t slot, const TextTable& points, char sep, LoadColumns columns);
void keepLoads(size_t slot, const TextTable& points, char sep, std::shared_ptr<FormedLoads> loads);

// The derivative table by finite differences of a quantity's line (as
// buildDerivativeTable gives it for the slot's station X) with its one-sided
// slopes and the index of its values.
struct FormedSlopes {
    TextTable derivatives;
    std::vector<OneSidedSlope> sides;
    std::optional<StationIndex> slopes;  // over `derivatives`
};
std::shared_ptr<const FormedSlopes> keptSlopes(size_t slot, const TextTable& line, char sep,
                                               std::optional<long double> station);
void keepSlopes(size_t slot, const TextTable& line, char sep, std::optional<long double> station,
                std::shared_ptr<const FormedSlopes> slopes);

// Drops every entry, and the memory it holds.
void forgetKeptInput();

}  // namespace kvor
