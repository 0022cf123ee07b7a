#include "structure/beam.h"

#include "model/numbers.h"

#include <algorithm>

namespace kvor {

long double totalBeamLength(const BeamModel& beam, char sep)
{
    long double sum = 0.0L;
    if (beam.kind == BeamKind::Simple)
        sum = toNumber(beam.length, sep);
    else
        for (int r = 1; r < beam.members.rowCount(); ++r)
            sum += toNumber(beam.members.cell(r, 1), sep);
    // The length as its 15-digit text reads back: the value a station written
    // as that text has, so the beam's end as a generated line or the
    // engineer writes it is on the beam (10,2 + 12,4 lies just below 22,6).
    return roundTo15(sum);
}

bool structureEntered(const Project& project)
{
    const bool lengthGiven = project.beam.kind == BeamKind::Simple ? !project.beam.length.empty()
                                                                   : !project.beam.members.cell(1, 1).empty();
    return lengthGiven && !project.section.eBottom.empty() && !project.section.eTop.empty();
}

int rebuildMemberTable(BeamModel& beam)
{
    const int typed = toInteger(beam.memberCountText);
    const int n = std::clamp(typed, kMinMemberCount, kMaxMemberCount);
    if (n != typed)
        beam.memberCountText = formatInteger(n);

    const int before = beam.members.rowCount() - 1;
    std::vector<std::string>& aside = beam.lengthsPutAside;
    if (aside.size() < static_cast<size_t>(std::max(before, n)))
        aside.resize(static_cast<size_t>(std::max(before, n)));
    for (int i = n + 1; i <= before; ++i)
        aside[static_cast<size_t>(i - 1)] = beam.members.cell(i, 1);

    beam.members.resize(n + 1, 2);
    beam.members.setRow(0, {"    Číslo prutu", "  Délka prutu [m]"});
    for (int i = 1; i <= n; ++i)
        beam.members.setCell(i, 0, formatInteger(i));
    for (int i = std::max(before, 0) + 1; i <= n; ++i)
        beam.members.setCell(i, 1, aside[static_cast<size_t>(i - 1)]);
    return n;
}

std::optional<Report> checkSpan(const BeamModel& beam, char sep)
{
    const auto length = parseNumber(beam.length, sep);
    if (!length)
        return Report{"Rozpětí musí být zadáno jako číslo!", Beep::AfterMessage, Field::BeamLength, {}};
    if (!(*length > 0))
        return Report{"Rozpětí musí být větší než 0!", Beep::AfterMessage, Field::BeamLength, {}};
    return std::nullopt;
}

std::optional<Report> checkMemberLengths(const BeamModel& beam, char sep)
{
    for (int r = 1; r < beam.members.rowCount(); ++r) {
        const auto length = parseNumber(beam.members.cell(r, 1), sep);
        const std::string row = formatInteger(r);
        if (!length)
            return Report{"Políčko v 2.sloupci a " + row + ".řádku musí obsahovat číslo!", Beep::None,
                          Field::MemberLengths, {}};
        if (!(*length > 0))
            return Report{"Políčko v 2.sloupci a " + row + ".řádku musí obsahovat číslo větší než 0!",
                          Beep::AfterMessage, Field::MemberLengths, {}};
    }
    return std::nullopt;
}

}  // namespace kvor
