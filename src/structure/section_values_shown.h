#pragma once
// Whether the page shows the four section values of a section that was read
// back from a project file. In a run the values appear with "Spočti" (or at
// once under "obecný"); a reopened project shows them when the file holds all
// four, so computed values are not hidden behind a "Spočti" nobody pressed.

#include "model/project.h"

namespace kvor {

bool sectionValuesShownOnOpen(const CrossSection& section);

}  // namespace kvor
