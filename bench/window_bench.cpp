#include "window_bench.h"

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

}  // namespace kvor::bench
