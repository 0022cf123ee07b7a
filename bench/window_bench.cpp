#include "window_bench.h"

#include "largest_project.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace kvor::bench {

void PrintingMessages::showMessage(const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }

void PrintingMessages::showErrorBox(const QString& text) { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }

int PrintingMessages::askQuestion(const QString& text, const QStringList&)
{
    std::fprintf(stderr, "question: %s\n", qPrintable(text));
    return 0;
}

QString PrintingMessages::askSaveFile(const QString&, const QString&, const QString&) { return saveFile; }

void useOffscreenWindows() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double printTimes(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%s: median %.0f ms (min %.0f, max %.0f)", what, median, times.front(), times.back());
    return median;
}

void fail(const char* why)
{
    std::fprintf(stderr, "%s\n", why);
    std::exit(1);
}

void Times::measure(const std::function<void()>& before, const std::function<void()>& step)
{
    for (int run = 0; run < 5; ++run) {
        before();
        const double cpu0 = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        step();
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(processCpuMs() - cpu0);
    }
}

void Times::print(const char* what) const
{
    printTimes(what, wall);
    std::vector<double> sorted = cpu;
    std::sort(sorted.begin(), sorted.end());
    std::printf(", CPU %.0f ms\n", sorted[sorted.size() / 2]);
}

namespace {
int offscreen(int argc)
{
    useOffscreenWindows();
    return argc;
}
}  // namespace

WindowBench::WindowBench(int argc, char** argv)
    : argCount(offscreen(argc)),
      app(argCount, argv),
      linePoints(argc == 3 ? std::atoi(argv[1]) : kLargestLinePoints),
      tendonPoints(argc == 3 ? std::atoi(argv[2]) : kLargestTendonPoints),
      context{session.project(), messages, separator, session},
      shell(context)
{
}

}  // namespace kvor::bench
