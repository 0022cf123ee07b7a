// Kvor1.1: prestressing tendons of a concrete beam and their effect on
// quantities given by influence lines.

#include "model/project.h"
#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/message_service.h"
#include "ui/window_setup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(kvor::ui::kApplicationTitle);
    QApplication::setFont(kvor::ui::windowFont());
    // Hidden windows stay alive for the whole run; the run ends only when the
    // splash window is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    kvor::Project project;
    kvor::ui::DesktopMessageService messages;
    kvor::ui::AppContext context{project, messages, kvor::ui::systemDecimalSeparator()};
    kvor::ui::ApplicationShell shell(context);
    QObject::connect(&shell, &kvor::ui::ApplicationShell::programEnded, &application, &QApplication::quit);
    shell.start();
    return application.exec();
}
