// kvor_ui_open_save_time [M N]: opening the largest project (or lines of M and
// tendons of N points) from the start window's "Otevřít" until the main window
// is up, and saving it from the result window's save panel with and without
// results, with the windows offscreen. Prints the median wall and process CPU
// time of five of each, the session's save alone beside the panel's (which
// also checks that the saved file opens again), and the peak memory.
#include "largest_project.h"
#include "window_bench.h"

#include "results/project_file.h"
#include "ui/widgets/radio_group.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/start_window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

using kvor::bench::child;
using kvor::bench::fail;
using kvor::bench::Times;

int main(int argc, char** argv)
{
    kvor::bench::WindowBench bench(argc, argv);
    const int m = bench.linePoints;
    const char sep = bench.separator;
    kvor::ui::ProjectSession& session = bench.session;
    kvor::ui::ApplicationShell& shell = bench.shell;

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    try {
        const std::string bytes = kvor::encodeProjectFile(*kvor::bench::makeProject(m, bench.tendonPoints, sep),
                                                          kvor::SaveVariant::InputOnly, sep);
        std::ofstream("largest.txt", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } catch (const std::exception& e) {
        fail(e.what());
    }

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
