#include "evaluation/evaluation_run.h"

#include "evaluation/derivative_table.h"
#include "evaluation/parallel_tasks.h"
#include "evaluation/parsed_input_cache.h"
#include "evaluation/station_lookup.h"
#include "evaluation/tendon_effect.h"
#include "analysis/slot_generation.h"
#include "model/numbers.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace kvor {
namespace {

constexpr const char* kNotEntered = "###";
constexpr size_t kSlots = kSlotCount;

void setUnit(std::string& unit, const std::string& kindText)
{
    if (kindText.empty()) {
        unit = "[-]";
        return;
    }
    const QuantityKind kind = quantityKindOf(kindText);
    // A typed text that names no kind leaves the unit as it was.
    if (kind != QuantityKind::None)
        unit = kQuantityKindUnits[static_cast<size_t>(kind)];
}

// The method a tendon is evaluated with: a parabolic tendon as the broken
// tendon of its polygon; None for a type without a method.
TendonType methodOf(TendonType type)
{
    if (type == TendonType::Straight || type == TendonType::Broken)
        return type;
    return isParabolicType(type) ? TendonType::Broken : TendonType::None;
}

// The derivative table of a quantity slot: the exact slopes of a line generated
// from the beam as it is now, else finite differences that know the slot's X.
std::vector<OneSidedSlope> buildSlotDerivatives(const Project& project, const QuantitySlot& slot,
                                                const StationIndex& line, TextTable& derivatives, char sep)
{
    if (const auto exact = exactSlopesOfSlot(project, slot, sep))
        return buildDerivativeTable(line, *exact, derivatives, sep);
    return buildDerivativeTable(line, derivatives, sep, parseNumber(slot.station, sep));
}

// What the threads compute, each part into its own place. Tables are built
// fresh here and handed to the project only when the run commits them.
struct QuantityWork {
    bool done = false;
    TextTable derivatives;
    std::vector<OneSidedSlope> sides;
    std::optional<StationIndex> line, slopes;
};

struct TendonWork {
    bool polygonDone = false;
    TextTable polygon;  // a parabolic tendon's points, formed once per run
    bool done = false;  // the loads of a tendon evaluated as broken
    // The loads and their own table, whose columns the tendon tables share;
    // those of an unchanged store are kept from the last run.
    std::shared_ptr<FormedLoads> formed;
};

// The points a tendon is evaluated at: a parabolic tendon's polygon, else its store.
const TextTable& evaluatedPoints(const TendonSlot& tendon, const TendonWork& shape)
{
    return shape.polygonDone ? shape.polygon : tendon.points;
}

struct PairWork {
    bool done = false;
    TextTable table;
    std::optional<long double> effect;
};

struct RunWork {
    std::array<QuantityWork, kSlots> quantities;
    std::array<TendonWork, kSlots> tendons;
    std::array<std::array<PairWork, kSlots>, kSlots> pairs;  // [q][t]
};

// Runs `step` and tells whether it finished; a failure is found again, in
// slot order, when the run commits.
template <class Step>
bool finishes(Step&& step)
{
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

// The derivative tables and the tendons' loads, on all cores: what the 25
// pairs need. What follows from the input alone is kept for the next run.
// With Forming::KeptOnly nothing else is formed: the exact slopes of a line
// generated from the beam follow from the beam as it stands at the run, and a
// parabolic tendon's polygon and loads are formed anew at every run.
enum class Forming { All, KeptOnly };
void formSlotInputs(const Project& project, RunWork& work, char sep, TendonTables tables,
                    Forming forming = Forming::All)
{
    // The tendons' loads take several times as long as a derivative table:
    // they are started first, so that the tables fill the time left at the end.
    runInParallel(2 * kSlots, [&](size_t task) {
        const size_t k = task % kSlots;
        if (task >= kSlots) {
            const QuantitySlot& quantity = project.quantities[k];
            QuantityWork& w = work.quantities[k];
            if (quantity.entered())
                w.done = finishes([&] {
                    if (auto kept = keptLineIndex(k, quantity.line, sep)) {
                        w.line.emplace(std::move(*kept));
                    } else {
                        w.line.emplace(quantity.line, sep);
                        keepLineIndex(k, quantity.line, sep, *w.line);
                    }
                    // Slopes by finite differences follow from the line's texts
                    // and the slot's X alone: those of an unchanged line are kept.
                    std::optional<long double> station;
                    const bool keepable = quantity.entryMode != EntryMode::Generated;
                    if (keepable) {
                        station = parseNumber(quantity.station, sep);
                        if (const auto kept = keptSlopes(k, quantity.line, sep, station)) {
                            w.derivatives = kept->derivatives;
                            w.sides = kept->sides;
                            w.slopes.emplace(kept->slopes->over(w.derivatives));
                            return;
                        }
                    } else if (forming == Forming::KeptOnly) {
                        return;
                    }
                    w.sides = buildSlotDerivatives(project, quantity, *w.line, w.derivatives, sep);
                    w.slopes.emplace(w.line->withValues(w.derivatives, sep, w.sides));
                    if (keepable) {
                        auto formed = std::make_shared<FormedSlopes>();
                        formed->derivatives = w.derivatives;
                        formed->sides = w.sides;
                        formed->slopes.emplace(w.slopes->over(formed->derivatives));
                        keepSlopes(k, quantity.line, sep, station, std::move(formed));
                    }
                });
        } else {
            const TendonSlot& tendon = project.tendons[k];
            TendonWork& w = work.tendons[k];
            if (!tendon.entered() || methodOf(tendon.type) != TendonType::Broken)
                return;
            if (isParabolicType(tendon.type)) {
                if (forming == Forming::KeptOnly)
                    return;  // a polygon is formed anew at every run
                w.polygonDone = finishes([&] { w.polygon = evaluatedPolygon(tendon, sep); });
                if (!w.polygonDone)
                    return;
            }
            const LoadColumns loadColumns =
                tables == TendonTables::Formed ? LoadColumns::Written : LoadColumns::Skipped;
            // A polygon is formed anew at every run: only a store's loads are kept.
            if (!w.polygonDone && (w.formed = keptLoads(k, tendon.points, sep, loadColumns))) {
                w.done = true;
                return;
            }
            const TextTable& points = evaluatedPoints(tendon, w);
            auto formed = std::make_shared<FormedLoads>();
            formed->columns = loadColumns;
            w.done = finishes([&] { formBrokenTendonLoads(points, formed->table, formed->loads, sep, loadColumns); });
            if (!w.done)
                return;
            w.formed = std::move(formed);
            if (!w.polygonDone)
                keepLoads(k, tendon.points, sep, w.formed);
        }
    });
}

// Whether two tendons' points stand at the same stations: every station
// equal, sign included, so a lookup at one is a lookup at the other.
bool sameStations(const std::vector<long double>& a, const std::vector<long double>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](long double x, long double y) {
        return x == y && std::signbit(x) == std::signbit(y);
    });
}

// The tendons with a method, in slot order, grouped into passes over a
// quantity's line. With `share`, broken tendons whose loads are formed join
// the pass of an earlier one whose points stand at the same stations (a common
// layout: every tendon defined at the same sections); any other tendon goes alone.
std::vector<std::vector<size_t>> tendonPasses(const Project& project, const RunWork& work, bool share)
{
    std::vector<std::vector<size_t>> passes;
    std::vector<size_t> sharing;  // the passes that broken tendons with formed loads began
    const auto sharable = [&](size_t t) {
        const TendonWork& shape = work.tendons[t];
        return share && methodOf(project.tendons[t].type) == TendonType::Broken && shape.done && shape.formed;
    };
    for (size_t t = 0; t < kSlots; ++t) {
        const TendonSlot& tendon = project.tendons[t];
        if (!tendon.entered() || methodOf(tendon.type) == TendonType::None)
            continue;
        if (sharable(t)) {
            const auto same = std::find_if(sharing.begin(), sharing.end(), [&](size_t pass) {
                const size_t first = passes[pass].front();
                return evaluatedPoints(project.tendons[first], work.tendons[first]).rowCount() ==
                           evaluatedPoints(tendon, work.tendons[t]).rowCount() &&
                       sameStations(work.tendons[first].formed->loads.station, work.tendons[t].formed->loads.station);
            });
            if (same != sharing.end()) {
                passes[*same].push_back(t);
                continue;
            }
            sharing.push_back(passes.size());
        }
        passes.push_back({t});
    }
    return passes;
}

void computeInParallel(const Project& project, RunWork& work, char sep, TendonTables tables)
{
    const QuantityColumns columns =
        tables == TendonTables::Formed ? QuantityColumns::Written : QuantityColumns::Skipped;
    // First the derivative tables and the tendons' loads, then the 25 pairs,
    // which need both.
    formSlotInputs(project, work, sep, tables);
    const auto pairEffect = [&](size_t q, size_t t) {
        const QuantityWork& quantity = work.quantities[q];
        const TendonSlot& tendon = project.tendons[t];
        const TendonWork& shape = work.tendons[t];
        const TendonType method = methodOf(tendon.type);
        if (method == TendonType::Broken && !shape.done)
            return;
        PairWork& w = work.pairs[q][t];
        w.done = finishes([&] {
            TendonLoads none;  // a straight tendon has no loads to share
            w.effect = tendonEffect(method, evaluatedPoints(tendon, shape), *quantity.line, *quantity.slopes, w.table,
                                    sep, shape.formed ? shape.formed->loads : none, columns);
        });
    };
    // A run that wants the effects alone looks each station of tendons that
    // share their stations up once per quantity; the tables are formed pair by pair.
    const std::vector<std::vector<size_t>> passes = tendonPasses(project, work, columns == QuantityColumns::Skipped);
    runInParallel(kSlots * passes.size(), [&](size_t task) {
        const size_t q = task / passes.size();
        const std::vector<size_t>& pass = passes[task % passes.size()];
        const QuantityWork& quantity = work.quantities[q];
        if (!quantity.done)
            return;
        if (pass.size() == 1) {
            pairEffect(q, pass.front());
            return;
        }
        std::vector<const TendonLoads*> loads;
        for (const size_t t : pass)
            loads.push_back(&work.tendons[t].formed->loads);
        const int n = evaluatedPoints(project.tendons[pass.front()], work.tendons[pass.front()]).rowCount() - 1;
        std::vector<std::optional<long double>> effects(pass.size());
        finishes([&] { effects = effectsAtSharedStations(*quantity.line, *quantity.slopes, loads, n); });
        for (size_t k = 0; k < pass.size(); ++k) {
            const size_t t = pass[k];
            PairWork& w = work.pairs[q][t];
            if (effects[k])
                w.done = finishes([&] {
                    tendonTableOfSharedEffect(evaluatedPoints(project.tendons[t], work.tendons[t]), *loads[k], w.table);
                    w.effect = effects[k];
                });
            else
                pairEffect(q, t);  // alone, it meets the failure and reports it
        }
    });
}

// Hands the computed parts to the project in slot order, exactly as a run
// that computes one part after another writes them. From the first part that
// did not finish on, the run goes on one part after another on the project
// itself, so a failure is reported and leaves the project as it always has.
class Commit {
public:
    Commit(Project& project, RunWork& work, char sep, TendonTables tables)
        : project_(project), work_(work), sep_(sep), tables_(tables)
    {
    }

    void quantity(size_t q)
    {
        EvaluationResult& results = project_.results;
        const QuantitySlot& quantity = project_.quantities[q];
        QuantityWork& w = work_.quantities[q];
        std::optional<StationIndex> line, slopes;
        if (!serial_ && w.done) {
            results.derivatives[q] = std::move(w.derivatives);
        } else {
            serial_ = true;
            line.emplace(quantity.line, sep_);
            w.sides = buildSlotDerivatives(project_, quantity, *line, results.derivatives[q], sep_);
            slopes.emplace(line->withValues(results.derivatives[q], sep_, w.sides));
        }
        for (size_t t = 0; t < kSlots; ++t)
            pair(q, t, line, slopes);

        results.block[q] = BlockState::Evaluated;
        results.caption[q] = "- " + quantity.kindText;
        results.comment[q] = quantity.description;
        setUnit(results.unit[q], quantity.kindText);
    }

private:
    void pair(size_t q, size_t t, std::optional<StationIndex>& line, std::optional<StationIndex>& slopes)
    {
        EvaluationResult& results = project_.results;
        const TendonSlot& tendon = project_.tendons[t];
        std::string& value = results.value[q][t];
        if (tendon.entered()) {
            const TendonType method = methodOf(tendon.type);
            if (tendon.type == TendonType::Straight || isParabolicType(tendon.type))
                results.tendonTableType[t] = static_cast<int>(tendon.type);
            // A run that skips the tables leaves them as they are, also
            // when it goes on one part after another.
            TextTable& table = tables_ == TendonTables::Formed ? results.tendonTables[q][t] : skippedTables_[q][t];
            PairWork& w = work_.pairs[q][t];
            std::optional<long double> effect;
            if (method == TendonType::None) {
                // A type without a method keeps its old value.
            } else if (!serial_ && w.done) {
                if (tables_ == TendonTables::Formed)
                    table = std::move(w.table);
                effect = w.effect;
                // Loads formed without their table's cells give the serial
                // part of a run (after a failure) nothing to share: it forms
                // them again at its first table, as a run in slot order does.
                if (method == TendonType::Broken && tables_ == TendonTables::Formed)
                    loads_[t] = &work_.tendons[t].formed->loads;
            } else {
                if (!serial_) {
                    serial_ = true;
                    const QuantitySlot& quantity = project_.quantities[q];
                    line.emplace(quantity.line, sep_);
                    slopes.emplace(line->withValues(results.derivatives[q], sep_, work_.quantities[q].sides));
                }
                // A parabolic tendon's polygon is formed at its first quantity.
                TendonWork& shape = work_.tendons[t];
                if (isParabolicType(tendon.type) && !shape.polygonDone) {
                    shape.polygon = evaluatedPolygon(tendon, sep_);
                    shape.polygonDone = true;
                }
                const TextTable& points = evaluatedPoints(tendon, shape);
                // The loads of a tendon already committed are those a run forms
                // at its first table; otherwise this table forms them.
                TendonLoads& loads = loads_[t] ? *loads_[t] : serialLoads_[t];
                effect = tendonEffect(method, points, *line, *slopes, table, sep_, loads);
                if (loads.table)
                    loads_[t] = &loads;
            }
            if (effect)
                value = formatNumber(*effect, sep_);
        } else {
            value = kNotEntered;
        }
        results.selectable[t] = tendon.entered();
        results.group[t] = false;
    }

    Project& project_;
    RunWork& work_;
    char sep_;
    TendonTables tables_;
    bool serial_ = false;
    std::array<TendonLoads*, kSlots> loads_{};
    std::array<TendonLoads, kSlots> serialLoads_;
    std::array<std::array<TextTable, kSlots>, kSlots> skippedTables_;  // [q][t]; the loads may refer to them
};

void markNotEvaluated(EvaluationResult& results, size_t q)
{
    results.block[q] = BlockState::NotEvaluated;
    results.caption[q].clear();
    results.comment[q].clear();
}

}  // namespace

std::optional<Report> checkEvaluationPreconditions(const Project& project)
{
    const auto entered = [](const auto& slot) { return slot.entered(); };
    if (std::none_of(project.tendons.begin(), project.tendons.end(), entered))
        return Report{"Zadejte typ a tvar předpínacích kabelů", Beep::AfterMessage, Field::TendonDefinition1, std::nullopt};
    if (std::none_of(project.quantities.begin(), project.quantities.end(), entered))
        return Report{"Zadejte průběhy příčinkových čar", Beep::AfterMessage, Field::QuantityLine1, Page::InfluenceLines};
    return std::nullopt;
}

void keepInputForFirstRun(const Project& project, char sep)
{
    try {
        const auto work = std::make_unique<RunWork>();
        formSlotInputs(project, *work, sep, TendonTables::Skipped, Forming::KeptOnly);
    } catch (...) {
        // Nothing kept: the run forms it all and reports what fails.
    }
}

void evaluateProject(Project& project, char sep, TendonTables tables)
{
    const auto work = std::make_unique<RunWork>();
    computeInParallel(project, *work, sep, tables);
    Commit commit(project, *work, sep, tables);
    for (size_t q = 0; q < kSlots; ++q) {
        if (project.quantities[q].entered())
            commit.quantity(q);
        else
            markNotEvaluated(project.results, q);
    }
}

}  // namespace kvor
