#include "structure/section_values_shown.h"

#include "structure/section.h"

namespace kvor {

bool sectionValuesShownOnOpen(const CrossSection& section)
{
    if (sectionLayout(section.type).valuesVisible)
        return true;
    return !section.area.empty() && !section.inertia.empty() && !section.eBottom.empty() && !section.eTop.empty();
}

}  // namespace kvor
