#pragma once
// The core's texts (UTF-8 in std::string) as Qt text.

#include <QString>

#include <string_view>

namespace kvor::ui {

QString toQString(std::string_view text);

}  // namespace kvor::ui
