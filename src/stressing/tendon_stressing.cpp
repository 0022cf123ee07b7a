#include "stressing/tendon_stressing.h"

#include "model/error.h"
#include "model/numbers.h"
#include "stressing/stressing_checks.h"
#include "tendons/parabolic_polygon.h"

namespace kvor {

bool stressingApplies(TendonType type) { return type == TendonType::Broken || isParabolicType(type); }

TendonStressingOutcome stressTendon(const TendonSlot& slot, char sep)
{
    TendonStressingOutcome out;
    const StressingValuesOrFault checked = checkStressing(slot.stressing.value_or(TendonStressing{}), sep);
    if (checked.fault) {
        out.fault = checked.fault;
        return out;
    }
    out.values = *checked.values;
    out.path = tendonPath(slot, sep);
    StressingResult result = computeStressingForces(out.path, out.values);
    if (!result.fault.empty()) {
        out.fault = Report{result.fault, Beep::AfterMessage, Field::StressingCommand, std::nullopt};
        return out;
    }
    out.forces = std::move(result.forces);
    out.warnings = stressingWarnings(out.values, out.forces, sep);
    return out;
}

std::vector<std::string> storedForceTexts(const TendonSlot& slot, const TendonStressingOutcome& outcome, char sep)
{
    const StressingForces& forces = outcome.forces;
    const TendonPath& path = outcome.path;
    std::vector<std::string> texts;
    if (!isParabolicType(slot.type)) {
        for (long double n : forces.initial)
            texts.push_back(formatNumber(-n, sep));
    } else {
        // The chords' means weighted by their lengths, per segment of the store.
        const int segments = slot.points.rowCount() - 2;
        std::vector<long double> sum(static_cast<size_t>(std::max(segments, 0)), 0), length(sum.size(), 0);
        for (size_t k = 0; k < forces.initial.size(); ++k) {
            const size_t s = static_cast<size_t>(path.definitionSegment[k]);
            const long double run = path.points[k + 1].x - path.points[k].x;
            sum[s] += forces.initial[k] * run;
            length[s] += run;
        }
        for (size_t s = 0; s < sum.size(); ++s)
            texts.push_back(formatNumber(-checkedDivide(sum[s], length[s]), sep));
    }
    if (!texts.empty())
        texts.push_back(texts.back());  // the last point repeats the last segment
    return texts;
}

namespace {

constexpr int kForceColumn = 2;

bool storedForcesAre(const TendonSlot& slot, const std::vector<std::string>& texts)
{
    if (static_cast<int>(texts.size()) != slot.points.rowCount() - 1)
        return false;
    for (size_t r = 0; r < texts.size(); ++r)
        if (slot.points.cell(static_cast<int>(r) + 1, kForceColumn) != texts[r])
            return false;
    return true;
}

// The outcome, when the slot's stored forces are exactly what it gives.
std::optional<TendonStressingOutcome> freshOutcome(const TendonSlot& slot, char sep)
{
    if (!slot.stressing || !stressingApplies(slot.type))
        return std::nullopt;
    try {
        TendonStressingOutcome out = stressTendon(slot, sep);
        if (out.fault || !storedForcesAre(slot, storedForceTexts(slot, out, sep)))
            return std::nullopt;
        return out;
    } catch (const Error&) {
        return std::nullopt;
    }
}

}  // namespace

bool stressingIsStale(const TendonSlot& slot, char sep)
{
    return slot.stressing && stressingApplies(slot.type) && !freshOutcome(slot, sep);
}

std::vector<int> staleStressedTendons(const Project& project, char sep)
{
    std::vector<int> stale;
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
        if (slot.entered() && stressingIsStale(slot, sep))
            stale.push_back(t + 1);
    }
    return stale;
}

void restressTendon(TendonSlot& slot, char sep)
{
    const TendonStressingOutcome out = stressTendon(slot, sep);
    if (out.fault)
        throw Error(out.fault->message);
    const std::vector<std::string> texts = storedForceTexts(slot, out, sep);
    for (size_t r = 0; r < texts.size(); ++r)
        slot.points.setCell(static_cast<int>(r) + 1, kForceColumn, texts[r]);
}

TextTable evaluatedPolygon(const TendonSlot& slot, char sep)
{
    if (!isParabolicType(slot.type))
        return slot.points;
    TextTable polygon = parabolicPolygon(slot, sep);
    if (const auto fresh = freshOutcome(slot, sep)) {
        const auto& initial = fresh->forces.initial;
        for (size_t k = 0; k < initial.size(); ++k)
            polygon.setCell(static_cast<int>(k) + 1, kForceColumn, formatNumber(-initial[k], sep));
        if (!initial.empty())
            polygon.setCell(static_cast<int>(initial.size()) + 1, kForceColumn, formatNumber(-initial.back(), sep));
    }
    return polygon;
}

}  // namespace kvor
