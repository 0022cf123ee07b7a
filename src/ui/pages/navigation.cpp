#include "ui/pages/navigation.h"

#include "structure/beam.h"

namespace kvor::ui {

std::optional<Report> checkStructureEntered(const Project& project)
{
    if (structureEntered(project))
        return std::nullopt;
    Report report;
    report.message = "Zadejte vstupní hodnoty";
    report.beep = Beep::AfterMessage;
    report.focus = project.beam.kind == BeamKind::Simple ? Field::BeamLength : Field::MemberLengths;
    report.page = Page::Structure;
    return report;
}

std::optional<Report> checkStructureForTendonPage(const Project& project)
{
    if (structureEntered(project))
        return std::nullopt;
    Report report;
    report.message = "Zadejte vstupní hodnoty v části zadání konstrukce";
    report.beep = Beep::AfterMessage;
    return report;
}

}  // namespace kvor::ui
