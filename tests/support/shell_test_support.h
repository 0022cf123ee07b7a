#pragma once
// The whole program in a test, as the user starts it: past the splash window,
// and a new project begun with "Nový" on the start window.

#include "support/ui_test_support.h"

#include "ui/application_shell.h"
#include "ui/windows/main_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

namespace kvor::ui::testing {

// The splash window's count-down run out: the start window is up.
inline void passSplash(ApplicationShell& shell)
{
    shell.splashWindow().tick();
    shell.splashWindow().tick();
}

// Starts the program, passes the splash window and clicks "Nový". False when
// the main window did not come up.
inline bool startNewProject(ApplicationShell& shell)
{
    shell.start();
    passSplash(shell);
    click(shell.startWindow(), "BitBtn2");
    return bringUp(shell.mainWindow());
}

}  // namespace kvor::ui::testing
