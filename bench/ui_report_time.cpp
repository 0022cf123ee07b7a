// kvor_ui_report_time [PROJECT.txt]: the time from a click on "Protokol…" in
// the result window (offscreen) to the written report, for the largest project
// or for a project file read as `kvor --report` reads it. Prints the median of
// five clicks and the process's peak memory (project and evaluation included).
#include "largest_project.h"

#include "evaluation/evaluation_run.h"
#include "results/project_file.h"
#include "ui/app_context.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/windows/result_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

class PrintingMessages final : public kvor::ui::MessageService {
public:
    QString reportFile;

protected:
    void showMessage(const QString& text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    void showErrorBox(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    void soundBeep() override {}
    int askQuestion(const QString& text, const QStringList&) override
    {
        std::fprintf(stderr, "question: %s\n", qPrintable(text));
        return 0;
    }
    QString askSaveFile(const QString&, const QString&, const QString&) override { return reportFile; }
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    PrintingMessages messages;
    kvor::ui::AppContext context{project, messages, sep, session};
    kvor::ui::ResultWindow window(context);
    window.show();
    QApplication::processEvents();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn12"));
    QTemporaryDir folder;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        messages.reportFile = folder.filePath(QStringLiteral("protokol%1.pdf").arg(run));
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!QFile::exists(messages.reportFile)) {
            std::fprintf(stderr, "no report was written\n");
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Protokol… to the written report: median %.0f ms (min %.0f, max %.0f), peak %.1f MB\n", times[2],
                times.front(), times.back(), static_cast<double>(usage.ru_maxrss) / 1024);
    return 0;
}
