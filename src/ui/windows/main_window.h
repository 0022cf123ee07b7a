#pragma once
// The main window: the whole input of a project on four pages, visited in
// order, with the rules of moving between them. Closing it through the
// window frame puts the exit question instead of leaving the program running
// without a window.

#include "evaluation/stale_input.h"
#include "ui/app_context.h"

#include <QWidget>

class QTabWidget;

namespace kvor::ui {

class ProjectInfoPage;
class StructurePage;
class QuantityPage;
class TendonPage;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the window on its first page with the project information of the
    // model (after "Otevřít" or "Nový", and on return from the results).
    void showOnFirstPage();

    // The creation date the information page proposes: today's.
    void proposeCreationDate();
    void toInfoPage();             // page 2 → 1
    void toStructurePage();        // page 1 → 2 and 3 → 2
    void toQuantityPageChecked();  // page 2 → 3, needs the structure
    void toTendonPage();           // page 3 → 4
    void backToQuantityPage();     // page 4 → 3, no check
    void tabChosen(int page);      // a page tab chosen by the user
    void tendonPageShown();
    void showResults();      // "Pomoc"
    void showTendonStore();  // "Button2"
    void evaluate();         // "Výpočet"

    QTabWidget* pageControl() const { return PageControl1; }
    ProjectInfoPage* infoPage() const { return TabSheet1; }
    StructurePage* structurePage() const { return TabSheet2; }
    QuantityPage* quantityPage() const { return TabSheet3; }
    TendonPage* tendonPage() const { return TabSheet4; }

signals:
    void exitRequested();
    // "Pomoc", and "Výpočet" after its run: the window hides and the result
    // window is to be shown; "Button2": the tendon store window. Each button
    // stays disabled until its signal is connected.
    void resultWindowRequested();
    void tendonStoreRequested();
    // A project file was dropped on the window: open it in place of this one.
    void projectFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    // Generated lines that no longer match the beam and tendons whose forces
    // no longer follow from their stressing: one question names them and
    // offers to compute them again, to evaluate them as stored, or to cancel.
    // Returns whether "Výpočet" goes on.
    bool settleStaleInput(const StaleInput& stale);
    // Whether the window a request signal asks for is connected.
    bool leadsTo(void (MainWindow::*request)()) const;
    // Selects a page by the program, not as a tab chosen by the user.
    void selectPage(int page);
    // The page-3 precondition: on failure page 2 with its report.
    void enterQuantityPage();
    // "Uložit" (Ctrl+S) and "Uložit jako…" beside the page tabs, the title
    // with the project's file and the unsaved marker, and the edits that set it.
    void addSaveCommands();

    AppContext& context_;
    QTabWidget* PageControl1;
    ProjectInfoPage* TabSheet1;
    StructurePage* TabSheet2;
    QuantityPage* TabSheet3;
    TendonPage* TabSheet4;
    bool selectingPage_ = false;
    bool tendonPageCheckPending_ = false;
};

}  // namespace kvor::ui
