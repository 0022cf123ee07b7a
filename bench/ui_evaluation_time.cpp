// kvor_ui_evaluation_time [M N]: the time from a click on "Výpočet" to the
// result window on the largest project (or lines of M and tendons of N points),
// with the windows offscreen. Prints the median wall and process CPU time of
// five clicks, each after "Zpět na zadání"-like return to the main window.
#include "largest_project.h"
#include "window_bench.h"

#include "ui/app_context.h"
#include "ui/application_shell.h"
#include "ui/pages/navigation.h"
#include "ui/project_session.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void click(QWidget& window, const char* name)
{
    auto* button = window.findChild<QPushButton*>(name);
    if (!button) {
        std::fprintf(stderr, "no button %s\n", name);
        std::exit(1);
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv)
{
    kvor::bench::useOffscreenWindows();
    QApplication app(argc, argv);
    const int m = argc == 3 ? std::atoi(argv[1]) : kvor::bench::kLargestLinePoints;
    const int n = argc == 3 ? std::atoi(argv[2]) : kvor::bench::kLargestTendonPoints;

    kvor::ui::ProjectSession session;
    kvor::Project& project = session.project();
    kvor::bench::PrintingMessages messages;
    kvor::ui::AppContext context{project, messages, ',', session};
    kvor::ui::ApplicationShell shell(context);
    shell.start();
    shell.splashWindow().tick();
    shell.splashWindow().tick();
    click(shell.startWindow(), "BitBtn2");  // "Nový"
    QApplication::processEvents();

    const auto big = kvor::bench::makeProject(m, n, ',');
    project.beam = big->beam;
    project.section = big->section;
    project.quantities = big->quantities;
    project.tendons = big->tendons;

    std::vector<double> times, cpu;
    for (int run = 0; run < 5; ++run) {
        shell.resultWindow().hide();
        shell.mainWindow().show();
        shell.mainWindow().pageControl()->setCurrentIndex(kvor::ui::kTendonPage);
        QApplication::processEvents();
        const double cpu0 = kvor::bench::processCpuMs();
        QElapsedTimer timer;
        timer.start();
        click(shell.mainWindow(), "BitBtn21");  // "Výpočet"
        QApplication::processEvents();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        cpu.push_back(kvor::bench::processCpuMs() - cpu0);
        if (!shell.resultWindow().isVisible()) {
            std::fprintf(stderr, "the result window did not come up\n");
            return 1;
        }
        times.push_back(ms);
    }
    kvor::bench::printTimes("Výpočet to the result window", times);
    std::sort(cpu.begin(), cpu.end());
    std::printf(", CPU %.0f ms\n", cpu[cpu.size() / 2]);
    return 0;
}
