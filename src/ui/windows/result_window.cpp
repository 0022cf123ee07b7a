#include "ui/windows/result_window.h"

#include "analysis/slot_generation.h"
#include "results/group_sums.h"
#include "ui/help/manual.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/report/report_pdf.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/window_setup.h"
#include "ui/windows/result_exit_panel.h"
#include "ui/windows/result_group_panel.h"
#include "ui/windows/result_save_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace kvor::ui {

namespace {
constexpr int kFirstBlockTop = 32;
}

ResultWindow::ResultWindow(AppContext& context, QWidget* parent)
    : WorkingTablesWindow(context, parent)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &ResultWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::resultsChanged, this, &ResultWindow::loadFromModel);
    setObjectName(QStringLiteral("Form11"));
    setupFixedWindow(this, {645, 599}, TitleBar::CloseButton);

    QLabel* heading = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Výsledky výpočtu"), {12, 6},
                                LabelStyle::BoldUnderlined);
    QFont larger = heading->font();
    larger.setPixelSize(14);
    heading->setFont(larger);
    heading->adjustSize();
    // Where the project was last saved: the engineer sees the file, not only a beep.
    QLabel* savedTo = makeLabel(this, QStringLiteral("SavedToLabel"), QString(), {260, 8});
    savedTo->setGeometry(260, 8, width() - 272, 18);
    savedTo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(&context_.session, &ProjectSession::projectSaved, savedTo, [savedTo](const QString& path) {
        const QString text = QStringLiteral("Uloženo do: ") + QDir::toNativeSeparators(path);
        savedTo->setText(savedTo->fontMetrics().elidedText(text, Qt::ElideMiddle, savedTo->width()));
        savedTo->setToolTip(text);
    });

    for (int q = 0; q < kSlotCount; ++q)
        blocks_[q].emplace(this, q, kFirstBlockTop + ResultBlock::kHeight * q);

    // Beside the heading: the loads are no result of the tendons.
    BitBtn14 = makeButton(this, QStringLiteral("BitBtn14"), QStringLiteral("Účinky zatížení"), {483, 3, 150, 26},
                          QStyle::SP_FileDialogContentsView);
    // Beside the heading, with the other views of the checked sections.
    BitBtn15 = makeButton(this, QStringLiteral("BitBtn15"), QStringLiteral("Posouzení napětí"), {327, 3, 150, 26},
                          QStyle::SP_DialogApplyButton);
    BitBtn11 = makeButton(this, QStringLiteral("BitBtn11"), QStringLiteral("Tabulka kabelů"), {12, 502, 150, 28},
                          QStyle::SP_FileDialogDetailedView);
    BitBtn12 = makeButton(this, QStringLiteral("BitBtn12"), QStringLiteral("Protokol…"), {168, 502, 120, 28},
                          QStyle::SP_FileIcon);
    BitBtn13 = makeButton(this, QStringLiteral("BitBtn13"), QStringLiteral("Napětí v průřezu"), {294, 502, 123, 28});
    BitBtn4 = makeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("Výsledky pro skupinu kabelů"),
                         {423, 502, 210, 28}, QStyle::SP_FileDialogListView);

    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Bevel1"));
    bar->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bar->setGeometry(0, 540, width(), 4);
    BitBtn1 = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět na zadání"), {12, 556, 150, 30},
                         QStyle::SP_ArrowBack);
    BitBtn2 = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Uložit"), {169, 556, 150, 30},
                         QStyle::SP_DialogSaveButton);
    makeHelpButton(this, {326, 556, 150, 30});
    BitBtn3 = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Konec"), {483, 556, 150, 30},
                         QStyle::SP_DialogNoButton);

    Panel3 = new SavePanel(context_, this);
    Panel2 = new ExitPanel(context_.messages, this);
    Panel4 = new GroupPanel(context_, this);

    connect(BitBtn1, &QPushButton::clicked, this, &ResultWindow::returnToInput);
    connect(BitBtn2, &QPushButton::clicked, this, &ResultWindow::openSavePanel);
    connect(BitBtn3, &QPushButton::clicked, this, &ResultWindow::exitProgram);
    connect(BitBtn4, &QPushButton::clicked, this, &ResultWindow::openGroupPanel);
    connect(BitBtn11, &QPushButton::clicked, this, &ResultWindow::showTendonTables);
    connect(BitBtn12, &QPushButton::clicked, this, &ResultWindow::writeReport);
    connect(BitBtn13, &QPushButton::clicked, this, &ResultWindow::showSectionStresses);
    connect(BitBtn14, &QPushButton::clicked, this, &ResultWindow::showLoadEffects);
    connect(BitBtn15, &QPushButton::clicked, this, &ResultWindow::showStressCheck);
    for (OverlayPanel* panel : {static_cast<OverlayPanel*>(Panel3), static_cast<OverlayPanel*>(Panel2),
                                static_cast<OverlayPanel*>(Panel4)})
        connect(panel, &OverlayPanel::closed, this, &ResultWindow::panelClosed);
    connect(Panel2, &ExitPanel::programEndRequested, this, [this] {
        hide();
        emit programEndRequested();
    });

    loadFromModel();
}

void ResultWindow::loadFromModel()
{
    const EvaluationResult& results = project_.results;
    // Results of a generated line that the beam no longer gives say so, as
    // the report and kvor-calc do.
    std::vector<int> stale;
    context_.messages.runCommand(
        [&] { stale = staleGeneratedSlots(project_, context_.decimalSeparator); });
    for (int q = 0; q < kSlotCount; ++q) {
        const bool isStale = std::find(stale.begin(), stale.end(), q + 1) != stale.end();
        blocks_[q]->show(results, isStale ? staleLineWarning(q + 1) : std::string());
    }
    Panel4->loadFromModel();
}

void ResultWindow::setCommandsEnabled(bool enabled)
{
    for (QPushButton* command : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn11, BitBtn13, BitBtn14, BitBtn15})
        command->setEnabled(enabled);
}

void ResultWindow::panelClosed()
{
    setCommandsEnabled(true);
}

void ResultWindow::returnToInput()
{
    hide();
    emit inputRequested();
    context_.session.returnToInput();
    Panel3->clearName();
    context_.messages.beep();
}

void ResultWindow::openSavePanel()
{
    Panel3->openForSaving();
    setCommandsEnabled(false);
    context_.messages.beep();
}

void ResultWindow::exitProgram()
{
    // Unsaved input is asked about as on every way out: save it, leave it, or stay.
    if (context_.session.isModified()) {
        if (settleUnsavedWork(context_)) {
            hide();
            emit programEndRequested();
        }
        return;
    }
    Panel2->openAsking(unsavedWarningShown(project_.results));
    setCommandsEnabled(false);
    context_.messages.beep();
}

void ResultWindow::openGroupPanel()
{
    Panel4->open();
    setCommandsEnabled(false);
}

void ResultWindow::showTendonTables()
{
    hide();
    emit tendonTablesRequested();
}

void ResultWindow::showSectionStresses()
{
    hide();
    emit sectionStressRequested();
}

void ResultWindow::showLoadEffects()
{
    hide();
    emit loadEffectsRequested();
}

void ResultWindow::showStressCheck()
{
    hide();
    emit stressCheckRequested();
}

void ResultWindow::writeReport()
{
    // Named after the project file, in the working directory, as the save panel writes.
    const QString projectFile = QString::fromStdString(project_.fileName);
    const QString stem = projectFile.isEmpty() ? QStringLiteral("Protokol") : QFileInfo(projectFile).completeBaseName();
    const QString path = context_.messages.chooseSaveFile(
        QStringLiteral("Protokol výpočtu"), QDir::current().filePath(stem + QStringLiteral(".pdf")),
        QStringLiteral("Dokument PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    // The report of the largest projects takes seconds: it shows how far it
    // has got and can be stopped, leaving no file behind.
    QProgressDialog progress(QStringLiteral("Vytváří se protokol…"), QStringLiteral("Storno"), 0, 1, this);
    progress.setObjectName(QStringLiteral("reportProgress"));
    progress.setWindowTitle(QStringLiteral("Protokol výpočtu"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setValue(0);
    context_.messages.runCommand([&] {
        writeReportPdf(project_, context_.decimalSeparator, path, [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);  // a shown modal dialog handles its events here
            return !progress.wasCanceled();
        });
    });
}

void ResultWindow::goBack()
{
    // Leaving through the frame would leave no window: it asks as "Konec" does,
    // with the warning while the project is not saved. With a panel open the
    // commands wait, and so does the frame.
    if (isEnabled() && BitBtn3->isEnabled())
        exitProgram();
}

}  // namespace kvor::ui
