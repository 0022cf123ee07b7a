#pragma once
// The main window: the whole input of a project on four pages, visited in
// order, with the rules of moving between them. Closing it through the
// window frame puts the exit question instead of leaving the program running
// without a window.

#include "ui/app_context.h"

#include <QPointer>
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

    // The windows that "Pomoc" and "Button2" lead to; their buttons stay
    // disabled until the window exists.
    void setResultWindow(QWidget* window);
    void setTendonStoreWindow(QWidget* window);

    void FormCreate();
    void BitBtn13Click();  // page 1 → 2
    void BitBtn15Click();  // page 2 → 1
    void BitBtn14Click();  // page 2 → 3, needs the structure
    void BitBtn16Click();  // page 3 → 2
    void BitBtn17Click();  // page 3 → 4
    void BitBtn18Click();  // page 4 → 3, no test
    void PageControl1Change(int page);
    void TabSheet4Show();
    void Button3Click();  // "Pomoc"
    void Button2Click();  // "Button2"
    void BitBtn21Click(); // "Výpočet"

    QTabWidget* pageControl() const { return PageControl1; }
    ProjectInfoPage* infoPage() const { return TabSheet1; }
    StructurePage* structurePage() const { return TabSheet2; }
    QuantityPage* quantityPage() const { return TabSheet3; }
    TendonPage* tendonPage() const { return TabSheet4; }

signals:
    void exitRequested();
    // A project file was dropped on the window: open it in place of this one.
    void projectFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Generated lines that no longer match the beam: one question names them
    // and offers to generate them again, to evaluate them as stored, or to
    // cancel. Returns whether "Výpočet" goes on.
    bool settleStaleInput();
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
    QPointer<QWidget> resultWindow_;
    QPointer<QWidget> tendonStoreWindow_;
    bool selectingPage_ = false;
    bool tendonPageCheckPending_ = false;
};

}  // namespace kvor::ui
