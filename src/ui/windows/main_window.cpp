#include "ui/windows/main_window.h"

#include "evaluation/evaluation_pipeline.h"
#include "ui/charts/slot_chart_panel.h"
#include "ui/help/manual.h"
#include "ui/message_service.h"
#include "ui/pages/navigation.h"
#include "ui/pages/project_info_page.h"
#include "ui/pages/quantity_page.h"
#include "ui/pages/structure_page.h"
#include "ui/pages/tendon_page.h"
#include "ui/project_session.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/input_edits.h"
#include "ui/widgets/window_setup.h"
#include "ui/windows/start_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace kvor::ui {

namespace {

// A date format with its year written in four digits: the locale's short
// format keeps its order and separators, but "yy" would leave the century out.
QString fourDigitYear(const QString& format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            out += c;
            ++i;
            continue;
        }
        while (i < format.size() && format[i] == u'y')
            ++i;
        out += QStringLiteral("yyyy");
    }
    return out;
}

}  // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    // The pages show an opened project anew (the slot rows follow the session themselves).
    connect(&context_.session, &ProjectSession::projectReplaced, this, [this] {
        TabSheet1->loadFromModel();
        TabSheet2->loadFromModel();
    });
    connect(&context_.session, &ProjectSession::infoChanged, this, [this] { TabSheet1->loadFromModel(); });
    setObjectName(QStringLiteral("Form5"));
    setupFixedWindow(this, {642, 419}, TitleBar::CloseButton);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 640, 420);
    PageControl1->tabBar()->setExpanding(false);
    // Choosing a tab takes the focus, so the field being left is checked first.
    PageControl1->tabBar()->setFocusPolicy(Qt::StrongFocus);

    TabSheet1 = new ProjectInfoPage(context_, PageControl1);
    TabSheet2 = new StructurePage(context_, PageControl1);
    TabSheet3 = new QuantityPage(context_, PageControl1);
    TabSheet4 = new TendonPage(context_, PageControl1);
    PageControl1->addTab(TabSheet1, QStringLiteral("Informace o projektu"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Zadání konstrukce"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Příčinkové čáry"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Vedení předpětí v konstrukci"));
    PageControl1->setCurrentIndex(kInfoPage);

    connect(TabSheet1->rightArrow(), &QPushButton::clicked, this, &MainWindow::toStructurePage);
    connect(TabSheet2->leftArrow(), &QPushButton::clicked, this, &MainWindow::toInfoPage);
    connect(TabSheet2->rightArrow(), &QPushButton::clicked, this, &MainWindow::toQuantityPageChecked);
    connect(TabSheet3->leftArrow(), &QPushButton::clicked, this, &MainWindow::toStructurePage);
    connect(TabSheet3->rightArrow(), &QPushButton::clicked, this, &MainWindow::toTendonPage);
    connect(TabSheet4->leftArrow(), &QPushButton::clicked, this, &MainWindow::backToQuantityPage);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        if (!selectingPage_)
            tabChosen(page);
    });
    connect(TabSheet4, &PageSheet::shown, this, &MainWindow::tendonPageShown);
    // "Zadejte tvar konstrukce" of the two charts brings the structure page to the front.
    TabSheet3->chartPanel()->setPageSelector([this](int page) { selectPage(page); });
    TabSheet4->chartPanel()->setPageSelector([this](int page) { selectPage(page); });
    connect(TabSheet1->helpButton(), &QPushButton::clicked, this, &MainWindow::showResults);
    connect(TabSheet4->storeButton(), &QPushButton::clicked, this, &MainWindow::showTendonStore);
    connect(TabSheet4->evaluateButton(), &QPushButton::clicked, this, &MainWindow::evaluate);
    // Enabled once the shell leads them somewhere (connectNotify).
    TabSheet1->helpButton()->setEnabled(false);
    TabSheet4->storeButton()->setEnabled(false);
    addSaveCommands();
    addHelpCorner(PageControl1);

    proposeCreationDate();
}

void MainWindow::addSaveCommands()
{
    auto* save = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Uložit"), this);
    save->setObjectName(QStringLiteral("saveAction"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { saveInput(context_); });
    auto* saveAs = new QAction(QStringLiteral("Uložit jako…"), this);
    saveAs->setObjectName(QStringLiteral("saveAsAction"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this, [this] { saveInputAs(context_); });
    addAction(save);
    addAction(saveAs);

    auto* button = new QToolButton(PageControl1);
    button->setObjectName(QStringLiteral("SaveButton"));
    button->setDefaultAction(save);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(button);
    menu->addAction(save);
    menu->addAction(saveAs);
    button->setMenu(menu);
    button->setToolTip(QStringLiteral("Uložit zadání projektu (Ctrl+S)"));
    PageControl1->setCornerWidget(button, Qt::TopRightCorner);

    const auto showTitle = [this] { setWindowTitle(projectWindowTitle(context_)); };
    showTitle();
    connect(&context_.session, &ProjectSession::projectSaved, this, showTitle);
    connect(&context_.session, &ProjectSession::projectReplaced, this, showTitle);
    connect(&context_.session, &ProjectSession::modifiedChanged, this, &QWidget::setWindowModified);
    watchInputEdits(this, [this] { context_.session.markModified(); });
    setAcceptDrops(true);
}

void MainWindow::proposeCreationDate()
{
    // The creation date is free text: today's date in the locale's short
    // format, with the year in four digits.
    const QLocale locale = QLocale::system();
    const QString today = QDate::currentDate().toString(fourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
    context_.session.proposeCreationDate(today.toStdString());
}

void MainWindow::showOnFirstPage()
{
    TabSheet1->loadFromModel();
    selectPage(kInfoPage);
    showInFront(this);
}

void MainWindow::connectNotify(const QMetaMethod& signal)
{
    QWidget::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&MainWindow::resultWindowRequested))
        TabSheet1->helpButton()->setEnabled(true);
    else if (signal == QMetaMethod::fromSignal(&MainWindow::tendonStoreRequested))
        TabSheet4->storeButton()->setEnabled(true);
}

bool MainWindow::leadsTo(void (MainWindow::*request)()) const
{
    return isSignalConnected(QMetaMethod::fromSignal(request));
}

void MainWindow::selectPage(int page)
{
    selectingPage_ = true;
    PageControl1->setCurrentIndex(page);
    selectingPage_ = false;
}

void MainWindow::enterQuantityPage()
{
    if (auto report = checkStructureEntered(context_.project)) {
        selectPage(report->page ? pageIndex(*report->page) : kStructurePage);
        context_.messages.showReport(*report, this);
        return;
    }
    selectPage(kQuantityPage);
}

void MainWindow::toStructurePage()
{
    selectPage(kStructurePage);
}

void MainWindow::toInfoPage()
{
    selectPage(kInfoPage);
}

void MainWindow::toQuantityPageChecked()
{
    context_.messages.runCommand([this] { enterQuantityPage(); });
}

void MainWindow::toTendonPage()
{
    selectPage(kTendonPage);
}

void MainWindow::backToQuantityPage()
{
    selectPage(kQuantityPage);
}

void MainWindow::tabChosen(int page)
{
    if (page != kQuantityPage)
        return;
    context_.messages.runCommand([this] { enterQuantityPage(); });
}

void MainWindow::tendonPageShown()
{
    // The page is being shown and cannot paint yet: its warning waits until
    // the page stands and has been painted, so the message never covers a
    // page that is not there.
    if (tendonPageCheckPending_)
        return;
    tendonPageCheckPending_ = true;
    QTimer::singleShot(0, this, [this] {
        tendonPageCheckPending_ = false;
        if (!isVisible() || PageControl1->currentWidget() != TabSheet4)
            return;
        repaint();
        context_.messages.runCommand([this] {
            if (auto report = checkStructureForTendonPage(context_.project))
                context_.messages.showReport(*report, this);
        });
    });
}

void MainWindow::showResults()
{
    if (!leadsTo(&MainWindow::resultWindowRequested))
        return;
    hide();
    emit resultWindowRequested();
}

void MainWindow::showTendonStore()
{
    if (!leadsTo(&MainWindow::tendonStoreRequested))
        return;
    hide();
    emit tendonStoreRequested();
}

void MainWindow::evaluate()
{
    // A failure ends the run with the error box; what it wrote stays in the
    // results, and the main window stays.
    context_.messages.runCommand([this] {
        const EvaluationStart start = context_.session.prepareEvaluation(context_.decimalSeparator);
        if (start.refusal) {
            if (start.refusal->page)
                selectPage(pageIndex(*start.refusal->page));
            context_.messages.showReport(*start.refusal, this);
            return;
        }
        if (!settleStaleInput(start.stale))
            return;
        {
            // The largest projects take a second or two: show that the program works.
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
            context_.session.evaluate(context_.decimalSeparator);
        }
        showResults();
    });
}

bool MainWindow::settleStaleInput(const StaleInput& stale)
{
    if (stale.empty())
        return true;
    enum Answer { kComputeAgain = 0, kEvaluateStored = 1, kCancel = 2 };
    QStringList answers;
    for (const std::string& answer : staleInputAnswers(stale))
        answers << QString::fromStdString(answer);
    const int answer = context_.messages.question(QString::fromStdString(staleInputQuestion(stale)), answers);
    // What cannot be computed any more ends the command with its message.
    if (answer == kComputeAgain)
        context_.session.refreshStaleInput(stale, context_.decimalSeparator);
    return answer == kComputeAgain || answer == kEvaluateStored;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    acceptProjectFileDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (const QString path = takeDroppedProjectFile(event); !path.isEmpty())
        emit projectFileDropped(path);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (isEnabled())
        emit exitRequested();
}

}  // namespace kvor::ui
