#include "structure/beam.h"

#include "model/numbers.h"

namespace kvor {

long double totalBeamLength(const BeamModel& beam, char sep)
{
    if (beam.kind == BeamKind::Simple)
        return toNumber(beam.length, sep);
    long double sum = 0.0L;
    for (int r = 1; r < beam.members.rowCount(); ++r)
        sum += toNumber(beam.members.cell(r, 1), sep);
    return sum;
}

bool structureEntered(const Project& project)
{
    const bool lengthGiven = project.beam.kind == BeamKind::Simple ? !project.beam.length.empty()
                                                                   : !project.beam.members.cell(1, 1).empty();
    return lengthGiven && !project.section.eBottom.empty() && !project.section.eTop.empty();
}

}  // namespace kvor
