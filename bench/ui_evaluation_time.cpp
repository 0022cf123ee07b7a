// kvor_ui_evaluation_time [M N]: the time from a click on "Výpočet" to the
// result window on the largest project (or lines of M and tendons of N points),
// with the windows offscreen. Prints the median wall and process CPU time of
// five clicks, each after "Zpět na zadání"-like return to the main window,
// then of five first clicks after opening the project from its file through
// the start window's "Otevřít" (nothing kept from an earlier run serves them).
#include "largest_project.h"
#include "window_bench.h"

#include "results/project_file.h"
#include "ui/pages/navigation.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <exception>
#include <fstream>

int main(int argc, char** argv)
{
    kvor::bench::WindowBench bench(argc, argv);
    kvor::ui::ApplicationShell& shell = bench.shell;
    shell.start();
    shell.splashWindow().tick();
    shell.splashWindow().tick();
    QTest::mouseClick(kvor::bench::child<QPushButton>(shell.startWindow(), "BitBtn2"), Qt::LeftButton);  // "Nový"
    QApplication::processEvents();

    kvor::Project& project = bench.session.project();
    const auto big = kvor::bench::makeProject(bench.linePoints, bench.tendonPoints, bench.separator);
    project.beam = big->beam;
    project.section = big->section;
    project.quantities = big->quantities;
    project.tendons = big->tendons;

    const auto evaluate = [&] {
        QTest::mouseClick(kvor::bench::child<QPushButton>(shell.mainWindow(), "BitBtn21"),
                          Qt::LeftButton);  // "Výpočet"
        QApplication::processEvents();
        if (!shell.resultWindow().isVisible())
            kvor::bench::fail("the result window did not come up");
    };
    kvor::bench::Times clicks;
    clicks.measure(
        [&] {
            shell.resultWindow().hide();
            shell.mainWindow().show();
            shell.mainWindow().pageControl()->setCurrentIndex(kvor::ui::kTendonPage);
            QApplication::processEvents();
        },
        evaluate);
    clicks.print("Výpočet to the result window");

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    try {
        const std::string bytes = kvor::encodeProjectFile(*big, kvor::SaveVariant::InputOnly, bench.separator);
        std::ofstream("largest.txt", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } catch (const std::exception& e) {
        kvor::bench::fail(e.what());
    }
    kvor::bench::Times firstClicks;
    firstClicks.measure(
        [&] {
            shell.resultWindow().hide();
            shell.mainWindow().hide();
            shell.startWindow().show();
            kvor::bench::child<QLineEdit>(shell.startWindow(), "Edit1")->setText(QStringLiteral("largest.txt"));
            QTest::mouseClick(kvor::bench::child<QPushButton>(shell.startWindow(), "BitBtn1"),
                              Qt::LeftButton);  // "Otevřít"
            QApplication::processEvents();
            if (!shell.mainWindow().isVisible() ||
                bench.session.project().quantities[0].line.rowCount() != bench.linePoints + 1)
                kvor::bench::fail("the project did not open");
            shell.mainWindow().pageControl()->setCurrentIndex(kvor::ui::kTendonPage);
            QApplication::processEvents();
        },
        evaluate);
    firstClicks.print("Výpočet first after opening the project");
    return 0;
}
