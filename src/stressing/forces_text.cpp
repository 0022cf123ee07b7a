#include "stressing/forces_text.h"

#include "model/error.h"
#include "model/numbers.h"
#include "stressing/tendon_stressing.h"

namespace kvor {

std::vector<std::vector<std::string>> stressingForceLines(const Project& project, char sep)
{
    std::vector<std::vector<std::string>> lines;
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& slot = project.tendons[static_cast<size_t>(t)];
        if (!slot.entered() || !slot.stressing || !stressingApplies(slot.type))
            continue;
        const std::string tendon = "Kabel " + formatInteger(t + 1) + ": ";
        TendonStressingOutcome out;
        try {
            out = stressTendon(slot, sep);
        } catch (const Error& e) {
            throw Error(tendon + e.what());
        }
        if (out.fault)
            throw Error(tendon + out.fault->message);
        lines.push_back({"[síly]", formatInteger(t + 1)});
        lines.push_back({"úsek", "od [m]", "do [m]", "P0 [kN]", "P∞ [kN]"});
        const StressingForces& f = out.forces;
        const std::vector<std::string> stations = pathStationTexts(slot, sep);
        for (size_t k = 0; k < f.initial.size(); ++k)
            lines.push_back({formatInteger(static_cast<long long>(k) + 1), stations[k], stations[k + 1],
                             formatNumber(f.initial[k], sep), formatNumber(f.longTerm[k], sep)});
        const auto anchor = [&](const std::optional<long double>& pa) { return pa ? formatNumber(*pa, sep) : ""; };
        lines.push_back({"kotva", anchor(f.anchorLeft), anchor(f.anchorRight)});
    }
    return lines;
}

}  // namespace kvor
