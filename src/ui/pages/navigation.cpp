#include "ui/pages/navigation.h"

#include "structure/beam.h"

namespace kvor::ui {

std::optional<Report> checkStructureEntered(const Project& project)
{
    if (structureEntered(project))
        return std::nullopt;
    const Field focus = project.beam.kind == BeamKind::Simple ? Field::BeamLength : Field::MemberLengths;
    return Report{"Zadejte vstupní hodnoty", Beep::AfterMessage, focus, Page::Structure};
}

std::optional<Report> checkStructureForTendonPage(const Project& project)
{
    if (structureEntered(project))
        return std::nullopt;
    return Report{"Zadejte vstupní hodnoty v části zadání konstrukce", Beep::AfterMessage, Field::None, std::nullopt};
}

}  // namespace kvor::ui
