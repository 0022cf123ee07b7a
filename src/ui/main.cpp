// Kvor1.1: prestressing tendons of a concrete beam and their effect on
// quantities given by influence lines.

#include "model/project.h"
#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/command_line.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/recovery_copy.h"
#include "ui/remembered.h"
#include "ui/translations.h"
#include "ui/widgets/window_setup.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Help and version go to standard output; a write that fails (a full disk, a
// closed pipe) is an error of the run, not a silent success.
int printToStdout(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::fputs("kvor: standardní výstup nelze zapsat\n", stderr);
        return 1;
    }
    return 0;
}

// `kvor --report OUT.pdf PROJECT.txt`: no window is shown, so no display is needed.
int writeReport(int argc, char* argv[], const kvor::ui::ProgramArguments& arguments)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error is for the one line a script reads on failure, not for
    // the platform's notes (such as a missing runtime folder).
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    QApplication application(argc, argv);
    QApplication::setApplicationName(kvor::ui::kApplicationTitle);
    try {
        const std::vector<std::string> warnings = kvor::ui::writeReportOfProjectFile(
            QString::fromLocal8Bit(arguments.projectFile), QString::fromLocal8Bit(arguments.reportFile),
            kvor::ui::systemDecimalSeparator());
        for (const std::string& warning : warnings)
            std::fprintf(stderr, "%s\n", warning.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    using kvor::ui::ProgramArguments;
    const ProgramArguments arguments =
        kvor::ui::parseProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (arguments.action) {
    case ProgramArguments::Action::Help:
        return printToStdout(kvor::ui::kProgramHelp);
    case ProgramArguments::Action::Version:
        return printToStdout(kvor::ui::programVersionLine() + "\n");
    case ProgramArguments::Action::WrongArguments:
        std::fprintf(stderr, "%s\n%s\n", arguments.error.c_str(), kvor::ui::kProgramUsage.data());
        return 2;
    case ProgramArguments::Action::Report:
        return writeReport(argc, argv, arguments);
    case ProgramArguments::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(kvor::ui::kApplicationTitle);
    QApplication::setFont(kvor::ui::windowFont());
    kvor::ui::installCzechQtTranslations(application);
    // Hidden windows stay alive for the whole run; the run ends only when the
    // splash window is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    kvor::ui::ProjectSession session;
    kvor::ui::DesktopMessageService messages;
    kvor::ui::AppContext context{session.project(), messages, kvor::ui::systemDecimalSeparator(), session};
    kvor::ui::ApplicationShell shell(context);
    // The file pickers start in the folder the engineer last worked in.
    if (const QString folder = kvor::ui::lastFolder(); !folder.isEmpty() && arguments.projectFile.empty())
        QDir::setCurrent(folder);
    kvor::ui::RecoveryCopy recovery(context);
    shell.setRecoveryCopy(&recovery);
    QObject::connect(&shell, &kvor::ui::ApplicationShell::programEnded, &application, &QApplication::quit);
    shell.start(QString::fromLocal8Bit(arguments.projectFile));
    return application.exec();
}
