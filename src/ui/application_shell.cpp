#include "ui/application_shell.h"

#include "ui/charts/chart_export.h"
#include "ui/charts/chart_line_view.h"
#include "ui/dialogs/influence_line_dialog.h"
#include "ui/dialogs/loads_window.h"
#include "ui/dialogs/stressing_window.h"
#include "ui/dialogs/tendon_dialog.h"
#include "ui/field_controls.h"
#include "ui/help/help_window.h"
#include "ui/models/table_export.h"
#include "ui/pages/project_info_page.h"
#include "ui/pages/quantity_page.h"
#include "ui/pages/slot_rows.h"
#include "ui/pages/structure_page.h"
#include "ui/pages/tendon_page.h"
#include "ui/project_session.h"
#include "ui/recovery_copy.h"
#include "ui/remembered.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/window_setup.h"
#include "ui/windows/derivative_tables_window.h"
#include "ui/windows/exit_confirmation.h"
#include "ui/windows/influence_store_window.h"
#include "ui/windows/load_effects_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/section_stress_window.h"
#include "ui/windows/stress_check_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"
#include "ui/windows/tendon_store_window.h"
#include "ui/windows/tendon_tables_window.h"
#include "ui/windows/wrong_file_window.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <initializer_list>
#include <utility>

namespace kvor::ui {

namespace {

// Every entry dialog opens the same way: for the slot whose "Zadat" was
// clicked, over the window of the rows, which it disables while it is open.
template <class Dialog>
void openOnEntry(SlotRows* rows, Dialog& dialog, QWidget* opener)
{
    QObject::connect(rows, &SlotRows::entryRequested, &dialog,
                     [&dialog, opener](int slot) { dialog.openForSlot(slot, opener); });
}

}  // namespace

void linkEntryWindows(MainWindow& mainWindow, InfluenceLineDialog& influenceDialog, TendonDialog& tendonDialog,
                      TendonStoreWindow& tendonStore)
{
    openOnEntry(mainWindow.quantityPage()->rows(), influenceDialog, &mainWindow);
    openOnEntry(mainWindow.tendonPage()->rows(), tendonDialog, &mainWindow);
    // Only the tab of page 3 is tested when chosen; the structure page is not.
    QObject::connect(&tendonDialog, &TendonDialog::inputPageRequested, &mainWindow,
                     [&mainWindow](Page page) { mainWindow.pageControl()->setCurrentIndex(pageIndex(page)); });

    QObject::connect(&mainWindow, &MainWindow::tendonStoreRequested, &tendonStore,
                     [&tendonStore] { showInFront(&tendonStore); });
    QObject::connect(&tendonStore, &TendonStoreWindow::mainWindowRequested, &mainWindow,
                     [&mainWindow] { showInFront(&mainWindow); });
}

void linkLoadsWindow(MainWindow& mainWindow, LoadsWindow& loadsWindow)
{
    QObject::connect(mainWindow.quantityPage()->loadsButton(), &QPushButton::clicked, &loadsWindow,
                     [&mainWindow, &loadsWindow] { loadsWindow.openFor(&mainWindow); });
}

ApplicationShell::ApplicationShell(AppContext& context)
    : context_(context),
      splashWindow_(std::make_unique<SplashWindow>(context)),
      startWindow_(std::make_unique<StartWindow>(context)),
      exitConfirmation_(std::make_unique<ExitConfirmation>()),
      wrongFileWindow_(std::make_unique<WrongFileWindow>()),
      mainWindow_(std::make_unique<MainWindow>(context)),
      influenceLineDialog_(std::make_unique<InfluenceLineDialog>(context)),
      influenceStoreWindow_(std::make_unique<InfluenceStoreWindow>(context)),
      tendonDialog_(std::make_unique<TendonDialog>(context)),
      tendonStoreWindow_(std::make_unique<TendonStoreWindow>(context)),
      derivativeTablesWindow_(std::make_unique<DerivativeTablesWindow>(context)),
      resultWindow_(std::make_unique<ResultWindow>(context)),
      tendonTablesWindow_(std::make_unique<TendonTablesWindow>(context)),
      sectionStress_(std::make_unique<SectionStressWindow>(context)),
      loadsWindow_(std::make_unique<LoadsWindow>(context)),
      loadEffectsWindow_(std::make_unique<LoadEffectsWindow>(context)),
      stressCheck_(std::make_unique<StressCheckWindow>(context)),
      helpWindow_(std::make_unique<HelpWindow>())
{
    connect(splashWindow_.get(), &SplashWindow::countDownFinished, this, [this] {
        showInFront(startWindow_.get());
        if (!projectFileToOpen_.isEmpty()) {
            startWindow_->openNamedFile(std::exchange(projectFileToOpen_, {}));
        } else if (recovery_ && recovery_->offerRecovery()) {
            startWindow_->hide();
            mainWindow_->showOnFirstPage();
        }
    });
    connect(splashWindow_.get(), &SplashWindow::programEnded, this, &ApplicationShell::programEnded);

    connect(startWindow_.get(), &StartWindow::mainWindowRequested, this, [this] { mainWindow_->showOnFirstPage(); });
    connect(startWindow_.get(), &StartWindow::wrongFileChosen, this, [this] { showInFront(wrongFileWindow_.get()); });
    connect(startWindow_.get(), &StartWindow::exitRequested, this, [this] { leaveProgram(startWindow_.get()); });

    // Ending the program is closing the splash window, whether it is shown or not.
    connect(exitConfirmation_.get(), &ExitConfirmation::programEndRequested, this, [this] { splashWindow_->close(); });
    connect(wrongFileWindow_.get(), &WrongFileWindow::startWindowRequested, this,
            [this] { showInFront(startWindow_.get()); });
    connect(mainWindow_.get(), &MainWindow::exitRequested, this, [this] { leaveProgram(mainWindow_.get()); });
    connect(mainWindow_.get(), &MainWindow::projectFileDropped, this, [this](const QString& path) {
        if (settleUnsavedWork(context_, QStringLiteral("před otevřením jiného projektu")))
            startWindow_->openNamedFile(path);
    });

    // What the next run remembers: the projects opened and saved, and where the windows stood.
    connect(&context_.session, &ProjectSession::projectSaved, this, [](const QString& path) { rememberProject(path); });
    connect(&context_.session, &ProjectSession::projectReplaced, this, [this] {
        if (!context_.session.projectFile().empty())
            rememberProject(QString::fromStdString(context_.session.projectFile().string()));
    });
    for (QWidget* window : std::initializer_list<QWidget*>{startWindow_.get(), mainWindow_.get(), resultWindow_.get()})
        rememberWindowPosition(window);

    // The entry dialogs of the slot rows and the tendon store window.
    linkEntryWindows(*mainWindow_, *influenceLineDialog_, *tendonDialog_, *tendonStoreWindow_);
    linkLoadsWindow(*mainWindow_, *loadsWindow_);

    // The result window and the working tables it leads to.
    connect(mainWindow_.get(), &MainWindow::resultWindowRequested, this, [this] { showInFront(resultWindow_.get()); });
    connect(resultWindow_.get(), &ResultWindow::inputRequested, this, [this] { mainWindow_->showOnFirstPage(); });
    connect(resultWindow_.get(), &ResultWindow::programEndRequested, this, [this] { splashWindow_->close(); });
    linkToResultWindow(&ResultWindow::tendonTablesRequested, tendonTablesWindow_.get());
    linkToResultWindow(&ResultWindow::sectionStressRequested, sectionStress_.get());
    linkToResultWindow(&ResultWindow::loadEffectsRequested, loadEffectsWindow_.get());
    linkToResultWindow(&ResultWindow::stressCheckRequested, stressCheck_.get());
    connect(tendonTablesWindow_.get(), &TendonTablesWindow::derivativeTablesRequested, this,
            [this] { showInFront(derivativeTablesWindow_.get()); });
    // Back to the input from the working tables is "Zpět na zadání" of the
    // result window: the results are left, and the saved flag with them.
    connect(derivativeTablesWindow_.get(), &DerivativeTablesWindow::mainWindowRequested, resultWindow_.get(),
            &ResultWindow::returnToInput);

    // Every table and chart of every window can be copied and saved.
    const std::initializer_list<QWidget*> windowsWithTables{
        mainWindow_.get(),        influenceLineDialog_.get(),    influenceStoreWindow_.get(), tendonDialog_.get(),
        tendonStoreWindow_.get(), derivativeTablesWindow_.get(), tendonTablesWindow_.get(),   sectionStress_.get(),
        tendonDialog_->stressingWindow(), loadsWindow_.get(), loadEffectsWindow_.get(), stressCheck_.get()};
    for (QWidget* window : windowsWithTables) {
        for (QTableView* table : window->findChildren<QTableView*>())
            addTableExport(table, context_.messages);
        for (LineChartView* chart : window->findChildren<LineChartView*>()) {
            chart->setDecimalSeparator(context_.decimalSeparator);
            addChartExport(chart, context_.messages);
        }
    }
}

ApplicationShell::~ApplicationShell() = default;

template <class Window>
void ApplicationShell::linkToResultWindow(void (ResultWindow::*requested)(), Window* window)
{
    connect(resultWindow_.get(), requested, this, [window] { showInFront(window); });
    connect(window, &Window::resultWindowRequested, this, [this] { showInFront(resultWindow_.get()); });
}

void ApplicationShell::leaveProgram(QWidget* asking)
{
    // Unsaved input: "Uložit / Neukládat / Storno" asks whether to leave as well.
    if (!context_.session.isModified())
        exitConfirmation_->ask(asking);
    else if (settleUnsavedWork(context_))
        splashWindow_->close();
}

void ApplicationShell::setRecoveryCopy(RecoveryCopy* recovery)
{
    recovery_ = recovery;
    if (recovery_)
        connect(this, &ApplicationShell::programEnded, recovery_, &RecoveryCopy::remove);
}

void ApplicationShell::start(const QString& projectFile)
{
    projectFileToOpen_ = projectFile;
    splashWindow_->show();
}


}  // namespace kvor::ui
