#include "evaluation/parsed_input_cache.h"

#include "model/project.h"

#include <array>
#include <initializer_list>
#include <mutex>

namespace kvor {
namespace {

// Whether `now` holds the very columns `kept` was made from, with as many rows.
bool sameTexts(const TextTable& now, const TextTable& kept, std::initializer_list<int> columns)
{
    if (now.rowCount() != kept.rowCount() || now.colCount() != kept.colCount())
        return false;
    for (const int col : columns)
        if (!now.sharesColumn(col, kept, col))
            return false;
    return true;
}

struct KeptLine {
    TextTable source;
    char sep = 0;
    std::optional<StationIndex> index;  // over `source`
};

struct KeptSlopes {
    TextTable source;
    char sep = 0;
    std::optional<long double> station;
    std::shared_ptr<const FormedSlopes> slopes;
};

struct KeptLoads {
    TextTable source;
    char sep = 0;
    std::shared_ptr<FormedLoads> loads;
};

constexpr size_t kSlots = kSlotCount;

struct Cache {
    std::mutex mutex;
    std::array<KeptLine, kSlots> lines;
    std::array<KeptSlopes, kSlots> slopes;
    std::array<KeptLoads, kSlots> tendons;
};

Cache& cache()
{
    static Cache instance;
    return instance;
}

// A line's index reads its stations and values; a tendon's loads its stations,
// eccentricities and forces.
constexpr std::initializer_list<int> kLineColumns = {0, 1};
constexpr std::initializer_list<int> kPointColumns = {0, 1, 2};

// Runs `use` on the entry of `slot` in `entries` under the cache's lock;
// nothing for a slot out of range.
template <class Kept, class Use>
void withEntry(size_t slot, std::array<Kept, kSlots> Cache::*entries, Use&& use)
{
    if (slot >= kSlots)
        return;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    use((c.*entries)[slot]);
}

// Replaces the entry of `slot` by what `fill` puts into it. Keeping is only a
// saving: without memory for it nothing is kept.
template <class Kept, class Fill>
void keepEntry(size_t slot, std::array<Kept, kSlots> Cache::*entries, Fill&& fill)
{
    withEntry(slot, entries, [&](Kept& kept) {
        try {
            fill(kept);
        } catch (...) {
            kept = {};
        }
    });
}

}  // namespace

std::optional<StationIndex> keptLineIndex(size_t slot, const TextTable& line, char sep)
{
    std::optional<StationIndex> found;
    withEntry(slot, &Cache::lines, [&](const KeptLine& kept) {
        if (kept.index && kept.sep == sep && sameTexts(line, kept.source, kLineColumns))
            found.emplace(kept.index->over(line));
    });
    return found;
}

void keepLineIndex(size_t slot, const TextTable& line, char sep, const StationIndex& index)
{
    keepEntry(slot, &Cache::lines, [&](KeptLine& kept) {
        kept.source = line;
        kept.sep = sep;
        kept.index.emplace(index.over(kept.source));
    });
}

std::shared_ptr<const FormedSlopes> keptSlopes(size_t slot, const TextTable& line, char sep,
                                               std::optional<long double> station)
{
    std::shared_ptr<const FormedSlopes> found;
    withEntry(slot, &Cache::slopes, [&](const KeptSlopes& kept) {
        if (kept.slopes && kept.sep == sep && kept.station == station && sameTexts(line, kept.source, kLineColumns))
            found = kept.slopes;
    });
    return found;
}

void keepSlopes(size_t slot, const TextTable& line, char sep, std::optional<long double> station,
                std::shared_ptr<const FormedSlopes> slopes)
{
    keepEntry(slot, &Cache::slopes, [&](KeptSlopes& kept) {
        kept.source = line;
        kept.sep = sep;
        kept.station = station;
        kept.slopes = std::move(slopes);
    });
}

std::shared_ptr<FormedLoads> keptLoads(size_t slot, const TextTable& points, char sep, LoadColumns columns)
{
    std::shared_ptr<FormedLoads> found;
    withEntry(slot, &Cache::tendons, [&](const KeptLoads& kept) {
        if (!kept.loads || kept.sep != sep || !sameTexts(points, kept.source, kPointColumns))
            return;
        // Loads formed without their columns do not serve a run that writes them.
        if (columns == LoadColumns::Written && kept.loads->columns != LoadColumns::Written)
            return;
        found = kept.loads;
    });
    return found;
}

void keepLoads(size_t slot, const TextTable& points, char sep, std::shared_ptr<FormedLoads> loads)
{
    keepEntry(slot, &Cache::tendons, [&](KeptLoads& kept) {
        kept.source = points;
        kept.sep = sep;
        kept.loads = std::move(loads);
    });
}

void forgetKeptInput()
{
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    c.lines = {};
    c.slopes = {};
    c.tendons = {};
}

}  // namespace kvor
