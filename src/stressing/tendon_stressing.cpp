#include "stressing/tendon_stressing.h"

#include "model/error.h"
#include "model/numbers.h"
#include "stressing/stressing_checks.h"
#include "tendons/parabolic_polygon.h"

namespace kvor {

bool stressingApplies(TendonType type) { return type == TendonType::Broken || isParabolicType(type); }

namespace {

// No forces, keeping the room of the arrays.
void clearForces(StressingForces& forces)
{
    forces.initial.clear();
    forces.longTerm.clear();
    forces.anchorLeft.reset();
    forces.anchorRight.reset();
    forces.beforeSet.clear();
    forces.afterSet.clear();
    forces.largestAfterSet = 0;
}

}  // namespace

TendonStressingOutcome stressTendon(const TendonSlot& slot, char sep)
{
    StressingWorkspace workspace;
    return std::move(workspace.stress(slot, sep));
}

TendonStressingOutcome& StressingWorkspace::stress(const TendonSlot& slot, char sep)
{
    TendonStressingOutcome& out = outcome_;
    out.fault.reset();
    out.warnings.clear();
    const StressingValuesOrFault checked = checkStressing(slot.stressing.value_or(TendonStressing{}), sep);
    if (checked.fault) {
        out.fault = checked.fault;
        out.path.points.clear();
        out.path.curved.clear();
        out.path.definitionSegment.clear();
        out.values = StressingValues{};
        clearForces(out.forces);
        return out;
    }
    out.values = *checked.values;
    tendonPath(slot, sep, out.path);
    // The forces are computed in the space kept here and swapped into the
    // outcome, so both keep their room for the next call.
    std::swap(computed_.forces, out.forces);
    computeStressingForces(out.path, out.values, computed_, friction_);
    std::swap(computed_.forces, out.forces);
    if (!computed_.fault.empty()) {
        out.fault = Report{computed_.fault, Beep::AfterMessage, Field::StressingCommand, std::nullopt};
        clearForces(out.forces);  // a fault gives no forces, not those formed before it
        return out;
    }
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

// The outcome (in `workspace`), when the slot's stored forces are exactly what it gives.
const TendonStressingOutcome* freshOutcome(const TendonSlot& slot, char sep, StressingWorkspace& workspace)
{
    if (!slot.stressing || !stressingApplies(slot.type))
        return nullptr;
    try {
        const TendonStressingOutcome& out = workspace.stress(slot, sep);
        if (out.fault || !storedForcesAre(slot, storedForceTexts(slot, out, sep)))
            return nullptr;
        return &out;
    } catch (const Error&) {
        return nullptr;
    }
}

bool isStale(const TendonSlot& slot, char sep, StressingWorkspace& workspace)
{
    return slot.stressing && stressingApplies(slot.type) && !freshOutcome(slot, sep, workspace);
}

}  // namespace

bool stressingIsStale(const TendonSlot& slot, char sep)
{
    StressingWorkspace workspace;
    return isStale(slot, sep, workspace);
}

std::vector<int> staleStressedTendons(const Project& project, char sep)
{
    std::vector<int> stale;
    StressingWorkspace workspace;
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
        if (slot.entered() && isStale(slot, sep, workspace))
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
    StressingWorkspace workspace;
    if (const TendonStressingOutcome* fresh = freshOutcome(slot, sep, workspace)) {
        const auto& initial = fresh->forces.initial;
        for (size_t k = 0; k < initial.size(); ++k)
            polygon.setCell(static_cast<int>(k) + 1, kForceColumn, formatNumber(-initial[k], sep));
        if (!initial.empty())
            polygon.setCell(static_cast<int>(initial.size()) + 1, kForceColumn, formatNumber(-initial.back(), sep));
    }
    return polygon;
}

}  // namespace kvor
