#pragma once
// What a check has to tell the user: a message, a beep before or after it,
// where the input focus goes, and for some commands which page to show.

#include <optional>
#include <string>
#include <vector>

namespace kvor {

enum class Beep { None, BeforeMessage, AfterMessage };

struct Report {
    std::string message;
    Beep beep = Beep::None;
    std::string focus;           // objectName of the control that gets the focus; empty: none
    std::optional<int> page;     // page of the main window to select (0-based), if any

    bool operator==(const Report&) const = default;
};

// A check reports nothing, one fault, or (table checks) up to two faults in order.
using Reports = std::vector<Report>;

}  // namespace kvor
