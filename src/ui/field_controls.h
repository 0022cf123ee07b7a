#pragma once
// Where the windows show the inputs that checks name: each field's control
// (its objectName in its window) and each part of the input's page.

#include "model/report.h"

namespace kvor::ui {

// The objectName of the control that shows `field` in its window; nullptr for Field::None.
const char* controlName(Field field);

// The main window's page of a part of the input (0-based tab index).
constexpr int pageIndex(Page page) { return static_cast<int>(page); }

}  // namespace kvor::ui
