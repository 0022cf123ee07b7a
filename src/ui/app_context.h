#pragma once
// What every window is given: the one project of the run, the one message
// service, and the decimal separator of the user's locale.

#include "model/project.h"

namespace kvor::ui {

class MessageService;

struct AppContext {
    Project& project;
    MessageService& messages;
    char decimalSeparator;
};

// The locale's decimal separator; ',' when the locale uses neither ',' nor '.'
// (the number texts of the system know only these two).
char systemDecimalSeparator();

}  // namespace kvor::ui
