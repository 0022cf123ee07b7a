#pragma once
// What every window is given: the one project of the run, the one message
// service, the decimal separator of the user's locale, and the session that
// owns the project and tells the windows when it changes as a whole.

#include "model/project.h"

namespace kvor::ui {

class MessageService;
class ProjectSession;

struct AppContext {
    Project& project;  // the session's
    MessageService& messages;
    char decimalSeparator;
    ProjectSession& session;
};

// The locale's decimal separator; ',' when the locale uses neither ',' nor '.'
// (the number texts of the system know only these two).
char systemDecimalSeparator();

}  // namespace kvor::ui
