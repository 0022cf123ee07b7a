#include "evaluation/stale_input.h"

#include "analysis/slot_generation.h"
#include "model/numbers.h"
#include "stressing/tendon_stressing.h"

namespace kvor {

StaleInput staleInput(const Project& project, char sep)
{
    return {staleGeneratedSlots(project, sep), staleStressedTendons(project, sep)};
}

std::string staleInputQuestion(const StaleInput& stale)
{
    if (stale.tendons.empty())
        return staleLinesQuestion(stale.lines);
    std::string names;
    for (size_t i = 0; i < stale.tendons.size(); ++i)
        names += (i == 0 ? "" : i + 1 == stale.tendons.size() ? " a " : ", ") + formatInteger(stale.tendons[i]) + ".";
    const bool one = stale.tendons.size() == 1;
    std::string question = std::string(one ? "Síly " : "Síly kabelů ") + names + (one ? " kabelu" : "") +
                           " neodpovídají údajům o napínání (geometrie nebo síly se od výpočtu sil změnily).";
    if (!stale.lines.empty()) {
        // The lines' own question without its closing question.
        std::string lines = staleLinesQuestion(stale.lines);
        lines.erase(lines.find(" Vygenerovat"));
        question = lines + " " + question;
    }
    return question + " Přepočítat a vyhodnotit, vyhodnotit uložené, nebo výpočet zrušit?";
}

std::vector<std::string> staleInputAnswers(const StaleInput& stale)
{
    return {stale.tendons.empty() ? "Vygenerovat znovu" : "Přepočítat", "Vyhodnotit uložené", "Zrušit"};
}

void refreshStaleInput(Project& project, const StaleInput& stale, char sep)
{
    for (int k : stale.lines)
        regenerateSlot(project, k, sep);
    for (int t : stale.tendons)
        restressTendon(project.tendons[static_cast<size_t>(t - 1)], sep);
}

}  // namespace kvor
