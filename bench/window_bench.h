#pragma once
// What the window benchmarks share: the windows offscreen, a message service
// that writes what the windows say to standard error and answers every
// question with its first choice, the start of a run over the program's
// windows, and the five timed clicks summed up.

#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/message_service.h"
#include "ui/project_session.h"

#include <QApplication>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace kvor::bench {

class PrintingMessages final : public ui::MessageService {
public:
    // The answer to "where to save": empty cancels.
    QString saveFile;

protected:
    void showMessage(const QString& text) override;
    void showErrorBox(const QString& text) override;
    void soundBeep() override {}
    int askQuestion(const QString& text, const QStringList& choices) override;
    QString askSaveFile(const QString& caption, const QString& proposed, const QString& filter) override;
};

// Called before the QApplication is made: the windows are drawn offscreen.
void useOffscreenWindows();

// The CPU time the process has taken so far, all its threads, in ms: steadier
// than the wall time on a machine shared with other work.
double processCpuMs();

// Prints "WHAT: median M ms (min A, max B)" of the times in ms, without an
// end of line (the caller may add more), and returns the median.
double printTimes(const char* what, std::vector<double> times);

// Ends the benchmark with `why` on standard error.
[[noreturn]] void fail(const char* why);

// The control `name` of `window`; the benchmark ends when there is none.
template <class Widget>
Widget* child(QWidget& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return widget;
}

// The wall and process CPU times of five runs of a step.
struct Times {
    std::vector<double> wall, cpu;

    // Runs `step` five times, `before` untimed ahead of each.
    void measure(const std::function<void()>& before, const std::function<void()>& step);
    // "WHAT: median M ms (min A, max B), CPU C ms" with the median CPU time.
    void print(const char* what) const;
};

// The start of a window benchmark: the windows offscreen, the application,
// the size of the project from the command line ([M N]: lines of M and
// tendons of N points; the largest project without them), and the program's
// windows over one session, the decimal separator a comma.
struct WindowBench {
    WindowBench(int argc, char** argv);

    int argCount;  // QApplication keeps a reference to it
    QApplication app;
    const int linePoints;
    const int tendonPoints;
    const char separator = ',';
    ui::ProjectSession session;
    PrintingMessages messages;
    ui::AppContext context;
    ui::ApplicationShell shell;
};

}  // namespace kvor::bench
