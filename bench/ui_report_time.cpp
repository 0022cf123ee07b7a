// kvor_ui_report_time [PROJECT.txt]: the time from a click on "Protokol…" in
// the result window (offscreen) to the written report, for the largest project
// or for a project file read as `kvor --report` reads it. Prints the median of
// five clicks and the process's peak memory (project and evaluation included).
#include "largest_project.h"
#include "window_bench.h"

#include "evaluation/evaluation_run.h"
#include "results/project_file.h"
#include "ui/app_context.h"
#include "ui/project_session.h"
#include "ui/windows/result_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <exception>
#include <vector>

int main(int argc, char** argv)
{
    kvor::bench::useOffscreenWindows();
    QApplication app(argc, argv);
    kvor::ui::ProjectSession session;
    kvor::Project& project = session.project();
    char sep = ',';
    try {
        if (argc == 2) {
            kvor::ProjectToEvaluate loaded = kvor::readProjectToEvaluate(argv[1], std::nullopt);
            project = std::move(loaded.project);
            sep = loaded.separator;
        } else {
            project = std::move(*kvor::bench::makeProject(kvor::bench::kLargestLinePoints,
                                                          kvor::bench::kLargestTendonPoints, sep));
        }
        kvor::evaluateProject(project, sep);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    kvor::bench::PrintingMessages messages;
    kvor::ui::AppContext context{project, messages, sep, session};
    kvor::ui::ResultWindow window(context);
    window.show();
    QApplication::processEvents();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn12"));
    QTemporaryDir folder;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        messages.saveFile = folder.filePath(QStringLiteral("protokol%1.pdf").arg(run));
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!QFile::exists(messages.saveFile)) {
            std::fprintf(stderr, "no report was written\n");
            return 1;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    kvor::bench::printTimes("Protokol… to the written report", times);
    std::printf(", peak %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
    return 0;
}
