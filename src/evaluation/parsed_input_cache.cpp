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

}  // namespace

std::optional<StationIndex> keptLineIndex(size_t slot, const TextTable& line, char sep)
{
    if (slot >= kSlots)
        return std::nullopt;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    const KeptLine& kept = c.lines[slot];
    if (!kept.index || kept.sep != sep || !sameTexts(line, kept.source, kLineColumns))
        return std::nullopt;
    return kept.index->over(line);
}

void keepLineIndex(size_t slot, const TextTable& line, char sep, const StationIndex& index)
{
    if (slot >= kSlots)
        return;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    KeptLine& kept = c.lines[slot];
    try {
        kept.source = line;
        kept.sep = sep;
        kept.index.emplace(index.over(kept.source));
    } catch (...) {
        kept = {};  // keeping is only a saving: without memory for it nothing is kept
    }
}

std::shared_ptr<const FormedSlopes> keptSlopes(size_t slot, const TextTable& line, char sep,
                                               std::optional<long double> station)
{
    if (slot >= kSlots)
        return nullptr;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    const KeptSlopes& kept = c.slopes[slot];
    if (!kept.slopes || kept.sep != sep || kept.station != station || !sameTexts(line, kept.source, kLineColumns))
        return nullptr;
    return kept.slopes;
}

void keepSlopes(size_t slot, const TextTable& line, char sep, std::optional<long double> station,
                std::shared_ptr<const FormedSlopes> slopes)
{
    if (slot >= kSlots)
        return;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    KeptSlopes& kept = c.slopes[slot];
    try {
        kept.source = line;
        kept.sep = sep;
        kept.station = station;
        kept.slopes = std::move(slopes);
    } catch (...) {
        kept = {};
    }
}

std::shared_ptr<FormedLoads> keptLoads(size_t slot, const TextTable& points, char sep, LoadColumns columns)
{
    if (slot >= kSlots)
        return nullptr;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    const KeptLoads& kept = c.tendons[slot];
    if (!kept.loads || kept.sep != sep || !sameTexts(points, kept.source, kPointColumns))
        return nullptr;
    if (columns == LoadColumns::Written && kept.loads->columns != LoadColumns::Written)
        return nullptr;
    return kept.loads;
}

void keepLoads(size_t slot, const TextTable& points, char sep, std::shared_ptr<FormedLoads> loads)
{
    if (slot >= kSlots)
        return;
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    KeptLoads& kept = c.tendons[slot];
    try {
        kept.source = points;
        kept.sep = sep;
        kept.loads = std::move(loads);
    } catch (...) {
        kept = {};
    }
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
