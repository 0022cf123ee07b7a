#pragma once
// What the window benchmarks share: the windows offscreen, a message service
// that writes what the windows say to standard error and answers every
// question with its first choice, and the five timed clicks summed up.

#include "ui/message_service.h"

#include <QString>

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

}  // namespace kvor::bench
