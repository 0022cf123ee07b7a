#pragma once
// The program's windows, created at start-up in their order and living until
// the end, and the hand-overs between them: splash → start window → main
// window, the wrong-file window, the entry dialogs, the results and their
// working tables, and the confirmed exit. This is the one place where windows
// are connected to each other; each window follows the project through the
// session on its own.

#include "ui/app_context.h"

#include <QObject>

#include <memory>

namespace kvor::ui {

class RecoveryCopy;

class SplashWindow;
class StartWindow;
class ExitConfirmation;
class WrongFileWindow;
class MainWindow;
class InfluenceLineDialog;
class InfluenceStoreWindow;
class TendonDialog;
class TendonStoreWindow;
class DerivativeTablesWindow;
class ResultWindow;
class TendonTablesWindow;
class SectionStressWindow;
class LoadsWindow;
class LoadEffectsWindow;
class StressCheckWindow;
class HelpWindow;

// The passages of the input: each slot row's "Zadat" opens the dialog of its
// kind over the main window (the tendon dialog brings the structure page to
// the front when the structure is missing), and "Button2" of the tendon page
// leads to the tendon store window, whose "Button1" leads back.
void linkEntryWindows(MainWindow& mainWindow, InfluenceLineDialog& influenceDialog, TendonDialog& tendonDialog,
                      TendonStoreWindow& tendonStore);

// "Zatížení…" of the page "Příčinkové čáry" opens the loads window over the main window.
void linkLoadsWindow(MainWindow& mainWindow, LoadsWindow& loadsWindow);

class ApplicationShell : public QObject {
    Q_OBJECT
public:
    explicit ApplicationShell(AppContext& context);
    ~ApplicationShell() override;

    // Shows the splash window; its count-down leads on to the start window, or,
    // with a project file named, opens it as "Otevřít" would.
    void start(const QString& projectFile = {});
    // The recovery copy of the run (the program's own; tests give theirs):
    // after the splash it is offered when a former run left one, and it is
    // removed when the program ends normally.
    void setRecoveryCopy(RecoveryCopy* recovery);

    SplashWindow& splashWindow() const { return *splashWindow_; }
    StartWindow& startWindow() const { return *startWindow_; }
    ExitConfirmation& exitConfirmation() const { return *exitConfirmation_; }
    WrongFileWindow& wrongFileWindow() const { return *wrongFileWindow_; }
    MainWindow& mainWindow() const { return *mainWindow_; }
    InfluenceLineDialog& influenceLineDialog() const { return *influenceLineDialog_; }
    InfluenceStoreWindow& influenceStoreWindow() const { return *influenceStoreWindow_; }
    TendonDialog& tendonDialog() const { return *tendonDialog_; }
    TendonStoreWindow& tendonStoreWindow() const { return *tendonStoreWindow_; }
    DerivativeTablesWindow& derivativeTablesWindow() const { return *derivativeTablesWindow_; }
    ResultWindow& resultWindow() const { return *resultWindow_; }
    TendonTablesWindow& tendonTablesWindow() const { return *tendonTablesWindow_; }
    SectionStressWindow& sectionStress() const { return *sectionStress_; }
    LoadsWindow& loadsWindow() const { return *loadsWindow_; }
    LoadEffectsWindow& loadEffectsWindow() const { return *loadEffectsWindow_; }
    StressCheckWindow& stressCheck() const { return *stressCheck_; }
    HelpWindow& helpWindow() const { return *helpWindow_; }

signals:
    // The splash window was closed: the run ends.
    void programEnded();

private:
    RecoveryCopy* recovery_ = nullptr;
    // An exit of the start or main window: the exit question, or, with unsaved
    // input, the question whether to save it first.
    void leaveProgram(QWidget* asking);
    // A window the result window leads to by `requested`, and back.
    template <class Window>
    void linkToResultWindow(void (ResultWindow::*requested)(), Window* window);

    AppContext& context_;
    QString projectFileToOpen_;
    std::unique_ptr<SplashWindow> splashWindow_;
    std::unique_ptr<StartWindow> startWindow_;
    std::unique_ptr<ExitConfirmation> exitConfirmation_;
    std::unique_ptr<WrongFileWindow> wrongFileWindow_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<InfluenceLineDialog> influenceLineDialog_;
    std::unique_ptr<InfluenceStoreWindow> influenceStoreWindow_;
    std::unique_ptr<TendonDialog> tendonDialog_;
    std::unique_ptr<TendonStoreWindow> tendonStoreWindow_;
    std::unique_ptr<DerivativeTablesWindow> derivativeTablesWindow_;
    std::unique_ptr<ResultWindow> resultWindow_;
    std::unique_ptr<TendonTablesWindow> tendonTablesWindow_;
    std::unique_ptr<SectionStressWindow> sectionStress_;
    std::unique_ptr<LoadsWindow> loadsWindow_;
    std::unique_ptr<LoadEffectsWindow> loadEffectsWindow_;
    std::unique_ptr<StressCheckWindow> stressCheck_;
    // The manual; F1 in any window opens it at that window's chapter.
    std::unique_ptr<HelpWindow> helpWindow_;
};

}  // namespace kvor::ui
