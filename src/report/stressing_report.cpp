#include "report/stressing_report.h"

#include "model/error.h"
#include "model/numbers.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"

namespace kvor {
namespace {

ReportBlock block(ReportBlock::Kind kind, std::string text, std::string value = {})
{
    ReportBlock b{kind, std::move(text), std::move(value), {}, ReportFigure::Beam, -1};
    // Headings and facts stay on the page of what follows them.
    b.keepWithNext = kind != ReportBlock::Kind::Paragraph && kind != ReportBlock::Kind::Figure;
    return b;
}

std::string orDash(const std::string& text) { return text.empty() ? "–" : text; }

// The data as typed, with the units of the stressing window's fields.
void describeData(std::vector<ReportBlock>& out, const TendonStressing& data)
{
    const auto ends = stressingEndsOfCode(data.end);
    out.push_back(block(ReportBlock::Kind::Fact, "Napínaný konec", ends ? stressingEndLabel(*ends) : orDash(data.end)));
    const std::pair<const char*, const std::string*> facts[] = {
        {"Napínací síla P0 [kN]", &data.jackingForce},
        {"Součinitel tření μ", &data.friction},
        {"Neúmyslná úhlová odchylka k [rad/m]", &data.wobble},
        {"Pokluz v kotvě Δs [mm]", &data.anchorageSet},
        {"Modul pružnosti výztuže E_p [MPa]", &data.modulus},
        {"Plocha výztuže A_p [mm²]", &data.area},
        {"Dlouhodobé ztráty [%]", &data.longTermLoss},
        {"Charakteristická pevnost f_pk [MPa]", &data.strength},
    };
    for (const auto& [name, text] : facts)
        out.push_back(block(ReportBlock::Kind::Fact, name, orDash(*text)));
}

}  // namespace

std::vector<ReportBlock> stressingReportBlocks(const Project& project, char sep)
{
    std::vector<ReportBlock> out;
    for (size_t t = 0; t < project.tendons.size(); ++t) {
        const TendonSlot& slot = project.tendons[t];
        if (!slot.entered() || !slot.stressing || !stressingApplies(slot.type))
            continue;
        if (out.empty())
            out.push_back(block(ReportBlock::Kind::Heading, "Síly z napínání"));
        out.push_back(block(ReportBlock::Kind::Subheading, "Kabel " + std::to_string(t + 1) + ": " + orDash(slot.name)));
        describeData(out, *slot.stressing);
        TendonStressingOutcome outcome;
        std::string fault;
        try {
            outcome = stressTendon(slot, sep);
            if (outcome.fault)
                fault = outcome.fault->message;
        } catch (const Error& e) {
            fault = e.what();
        }
        if (!fault.empty()) {
            out.push_back(block(ReportBlock::Kind::Paragraph, "Síly z těchto údajů nelze vypočítat: " + fault));
            continue;
        }
        const auto anchor = [&](const std::optional<long double>& force) {
            return force ? forReading(formatNumber(*force, sep), Reading::Force, sep) : std::string("–");
        };
        out.push_back(block(ReportBlock::Kind::Fact, "Síla v kotvě po zakotvení vlevo [kN]",
                            anchor(outcome.forces.anchorLeft)));
        out.push_back(block(ReportBlock::Kind::Fact, "Síla v kotvě po zakotvení vpravo [kN]",
                            anchor(outcome.forces.anchorRight)));
        if (stressingIsStale(slot, sep))
            out.push_back(block(ReportBlock::Kind::Paragraph,
                                "Síly zapsané u kabelu těmto údajům o napínání neodpovídají."));
        for (const std::string& warning : outcome.warnings)
            out.push_back(block(ReportBlock::Kind::Paragraph, warning));
        out.back().keepWithNext = true;
        ReportBlock chart = block(ReportBlock::Kind::Figure, {});
        chart.figure = ReportFigure::StressingForces;
        chart.slot = static_cast<int>(t);
        chart.keepWithNext = true;
        out.push_back(std::move(chart));
        out.push_back(block(ReportBlock::Kind::Paragraph,
                            "Modře síla před zakotvením P, červeně po zakotvení P′, zeleně průměrné síly úseků, "
                            "zapsané do sloupce sil."));
    }
    return out;
}

}  // namespace kvor
