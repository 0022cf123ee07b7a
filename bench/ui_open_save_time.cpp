// kvor_ui_open_save_time [M N]: opening the largest project (or lines of M and
// tendons of N points) from the start window's "Otevřít" until the main window
// is up, and saving it from the result window's save panel with and without
// results, with the windows offscreen. Prints the median wall and process CPU
// time of five of each, the session's save alone beside the panel's (which
// also checks that the saved file opens again), and the peak memory.
#include "largest_project.h"
#include "window_bench.h"

#include "results/project_file.h"
#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/start_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

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

struct Times {
    std::vector<double> wall, cpu;

    // Runs `step` five times, `before` untimed ahead of each.
    void measure(const std::function<void()>& before, const std::function<void()>& step)
    {
        for (int run = 0; run < 5; ++run) {
            before();
            const double cpu0 = kvor::bench::processCpuMs();
            QElapsedTimer timer;
            timer.start();
            step();
            wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            cpu.push_back(kvor::bench::processCpuMs() - cpu0);
        }
        std::sort(cpu.begin(), cpu.end());
    }
    void print(const char* what) const
    {
        kvor::bench::printTimes(what, wall);
        std::printf(", CPU %.0f ms\n", cpu[cpu.size() / 2]);
    }
};

void fail(const char* why)
{
    std::fprintf(stderr, "%s\n", why);
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv)
{
    kvor::bench::useOffscreenWindows();
    QApplication app(argc, argv);
    const int m = argc == 3 ? std::atoi(argv[1]) : kvor::bench::kLargestLinePoints;
    const int n = argc == 3 ? std::atoi(argv[2]) : kvor::bench::kLargestTendonPoints;
    const char sep = ',';

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    try {
        const std::string bytes = kvor::encodeProjectFile(*kvor::bench::makeProject(m, n, sep),
                                                          kvor::SaveVariant::InputOnly, sep);
        std::ofstream("largest.txt", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } catch (const std::exception& e) {
        fail(e.what());
    }

    kvor::ui::ProjectSession session;
    kvor::bench::PrintingMessages messages;
    kvor::ui::AppContext context{session.project(), messages, sep, session};
    kvor::ui::ApplicationShell shell(context);
    kvor::ui::StartWindow& start = shell.startWindow();
    kvor::ui::MainWindow& main = shell.mainWindow();
    kvor::ui::ResultWindow& results = shell.resultWindow();

    // "Otevřít" of the chosen file until the main window shows the project.
    Times opening;
    opening.measure(
        [&] {
            main.hide();
            start.show();
            child<QLineEdit>(start, "Edit1")->setText(QStringLiteral("largest.txt"));
            QApplication::processEvents();
        },
        [&] {
            QTest::mouseClick(child<QPushButton>(start, "BitBtn1"), Qt::LeftButton);
            QApplication::processEvents();
        });
    if (!main.isVisible() || session.project().quantities[0].line.rowCount() != m + 1)
        fail("the project did not open");

    // "Výpočet", then the save panel's "Uložit" in each variant.
    QTest::mouseClick(child<QPushButton>(main, "BitBtn21"), Qt::LeftButton);
    QApplication::processEvents();
    if (!results.isVisible())
        fail("the result window did not come up");
    for (const kvor::SaveVariant variant : {kvor::SaveVariant::WithResults, kvor::SaveVariant::InputOnly}) {
        const QString stem = QString::fromLatin1(kvor::projectFileStem(variant).data());
        Times panel;
        panel.measure(
            [&] {
                QTest::mouseClick(child<QPushButton>(results, "BitBtn2"), Qt::LeftButton);
                child<kvor::ui::RadioGroup>(results, "RadioGroup1")->setItemIndex(static_cast<int>(variant));
                child<QLineEdit>(results, "Edit26")->setText(stem);
                QApplication::processEvents();
            },
            [&] {
                QTest::mouseClick(child<QPushButton>(results, "BitBtn7"), Qt::LeftButton);
                QApplication::processEvents();
            });
        if (!QFileInfo::exists(stem + QStringLiteral(".txt")))
            fail("the project was not saved");
        Times own;
        own.measure([] {}, [&] { session.saveProject(variant, (stem + QStringLiteral(".txt")).toStdString(), sep); });
        const bool withResults = variant == kvor::SaveVariant::WithResults;
        panel.print(withResults ? "Saving with results (save panel)" : "Saving without results (save panel)");
        own.print("  the session's save alone");
    }
    opening.print("Opening the largest project (start window)");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
    return 0;
}
