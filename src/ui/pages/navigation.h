#pragma once
// The rules of moving between the main window's four pages (0-based:
// 0 "Informace o projektu", 1 "Zadání konstrukce", 2 "Příčinkové čáry",
// 3 "Vedení předpětí v konstrukci"). Plain functions of the project: the
// window applies what they return.

#include "model/project.h"
#include "model/report.h"
#include "ui/field_controls.h"

#include <optional>

namespace kvor::ui {

inline constexpr int kInfoPage = pageIndex(Page::Info);
inline constexpr int kStructurePage = pageIndex(Page::Structure);
inline constexpr int kQuantityPage = pageIndex(Page::InfluenceLines);
inline constexpr int kTendonPage = pageIndex(Page::Tendons);

// Page 3 needs the structure (page 2's right arrow, the tab of page 3, and a
// tendon's "Zadat"): nothing when it is entered; otherwise "Zadejte vstupní
// hodnoty" with a beep after it, page 2, and the focus on L (simple beam) or
// on the member table (continuous beam).
std::optional<Report> checkStructureEntered(const Project& project);

// Page 4 becoming visible: the warning "Zadejte vstupní hodnoty v části zadání
// konstrukce" with a beep after it when the structure is not entered. The page
// stays; no focus is moved.
std::optional<Report> checkStructureForTendonPage(const Project& project);

}  // namespace kvor::ui
