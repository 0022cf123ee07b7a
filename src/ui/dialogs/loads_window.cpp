#include "ui/dialogs/loads_window.h"

#include "loads/load_input.h"
#include "model/numbers.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/models/text_table_model.h"
#include "ui/project_session.h"
#include "ui/qt_text.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace kvor::ui {

namespace {

constexpr QSize kClientSize{470, 452};
// Six axles in sight under the headings; more scroll.
constexpr int kShownAxleRows = 6;

struct LoadFieldRow {
    const char* caption;
    std::string LoadInput::*text;
    Field field;
};
const std::array<LoadFieldRow, 3> kLoadFields = {{
    {"Vlastní tíha g0 [kN/m]", &LoadInput::selfWeight, Field::LoadSelfWeight},
    {"Ostatní stálé zatížení g1 [kN/m]", &LoadInput::permanent, Field::LoadPermanent},
    {"Rovnoměrné proměnné zatížení q [kN/m]", &LoadInput::variable, Field::LoadVariable},
}};
constexpr int kFieldTops[] = {40, 92, 120};

const QString kHelp = QStringLiteral(
    "Zatížení je kladné směrem dolů; prázdné pole platí jako 0. Stálá zatížení g0 a g1 působí po celé "
    "délce nosníku, q jen na nepříznivých úsecích příčinkové čáry. Skupina náprav (např. tandem 2 × 300 kN "
    "ve vzdálenosti 1,2 m) se posouvá po nosníku v obou směrech: síly F > 0, vzdálenosti a od první nápravy, "
    "první 0, dále vzestupně; nejvýše 20 náprav.");

}  // namespace

LoadsWindow::LoadsWindow(AppContext& context, QWidget* parent)
    : EntryWindow(context, QStringLiteral("zatížení"), parent), exits_(new FocusExitWatcher(this))
{
    setObjectName(QStringLiteral("Form15"));
    setupFixedWindow(this, kClientSize, TitleBar::CloseButton, QStringLiteral("Zatížení"));

    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Zatížení nosníku"), {12, 10},
              LabelStyle::BoldUnderlined);
    // The tab order is the order of creation: the fields, the count, the
    // table, the commands.
    for (size_t i = 0; i < kLoadFields.size(); ++i) {
        const int y = kFieldTops[i];
        makeLabel(this, QStringLiteral("Label%1").arg(i == 0 ? 2 : 3 + i), QString::fromUtf8(kLoadFields[i].caption),
                  {12, y + 4});
        QLineEdit* edit = makeEdit(this, QStringLiteral("Edit%1").arg(i + 1), {250, y, 90, 22});
        loadEdits_[i] = edit;
        std::string LoadInput::*text = kLoadFields[i].text;
        connect(edit, &QLineEdit::textChanged, this,
                [this, text](const QString& typed) { draft_.*text = typed.toStdString(); });
        exits_->watch(edit, [this, i] { loadFieldExit(static_cast<int>(i)); });
        if (i == 0) {
            takeProposalButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Převzít návrh"),
                                 {348, y - 1, 110, 24});
            connect(takeProposalButton_, &QPushButton::clicked, this, &LoadsWindow::takeProposal);
            proposalNote_ = makeLabel(this, QStringLiteral("Label3"), QString(), {250, y + 26});
        }
    }

    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Pohyblivá skupina náprav"), {12, 156}, LabelStyle::Bold);
    makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Počet náprav (0 až 20)"), {12, 184});
    axleCount_ = makeEdit(this, QStringLiteral("Edit4"), {250, 180, 50, 22});
    exits_->watch(axleCount_, [this] { axleCountExit(); });
    connect(axleCount_, &QLineEdit::returnPressed, this, &LoadsWindow::axleCountExit);

    axleModel_ = new TextTableModel(&draft_.axles, TextTableModel::Headings::InHeader, this);
    axleGrid_ = makeEntryGrid(this, QStringLiteral("StringGrid1"), axleModel_);
    setExportTitle(axleGrid_, QStringLiteral("nápravy"));
    axleGrid_->horizontalHeader()->setDefaultSectionSize(110);
    placeGrid(axleGrid_, {12, 212, 2 * 110 + 2 + 18, kGridRowPitch * (kShownAxleRows + 1) + 2}, true);
    exits_->watch(axleGrid_, [this] { axleTableExit(); });

    auto* help = new QLabel(kHelp, this);
    help->setObjectName(QStringLiteral("Label8"));
    help->setWordWrap(true);
    help->setGeometry(264, 212, 192, 190);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    backButton_ = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Zpět"), {246, 414, 100, 28},
                             QStyle::SP_ArrowBack);
    cancelButton_ = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Zrušit"), {356, 414, 100, 28},
                               QStyle::SP_DialogCancelButton);
    for (QPushButton* button : {takeProposalButton_, backButton_})
        button->setAutoDefault(true);  // Enter on the focused button presses it
    // Leaving is always possible: "Zrušit" takes no focus, so no field's
    // check runs for it; from the keyboard it is Escape.
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    connect(backButton_, &QPushButton::clicked, this, &LoadsWindow::storeAndClose);
    connect(cancelButton_, &QPushButton::clicked, this, &LoadsWindow::cancel);
}

void LoadsWindow::openFor(QWidget* opener)
{
    draft_ = context_.project.loads;
    showDraft();
    showProposal();
    opener_.take(opener);
    // The focus starts on "Zpět", not in a checked field.
    backButton_->setFocus(Qt::OtherFocusReason);
    showInFront(this);
}

void LoadsWindow::showDraft()
{
    for (size_t i = 0; i < kLoadFields.size(); ++i) {
        const QSignalBlocker quiet(loadEdits_[i]);
        loadEdits_[i]->setText(toQString(draft_.*kLoadFields[i].text));
    }
    axleCount_->setText(QString::number(draft_.axleCount()));
    axleModel_->reload();
}

void LoadsWindow::showProposal()
{
    std::optional<std::string> proposal;
    context_.messages.runCommand(
        [&] { proposal = selfWeightProposal(context_.project.section, context_.decimalSeparator); });
    const QString gamma = toQString(formatNumber(kConcreteUnitWeight, context_.decimalSeparator));
    proposalNote_->setText(proposal ? QStringLiteral("návrh: %1 kN/m (A·%2 kN/m³)").arg(toQString(*proposal), gamma)
                             : QStringLiteral("návrh A·%1 kN/m³: plocha průřezu A není zadána").arg(gamma));
    proposalNote_->adjustSize();
    proposal_ = proposal ? toQString(*proposal) : QString();
    takeProposalButton_->setEnabled(!proposal_.isEmpty());
}

void LoadsWindow::takeProposal()
{
    if (!proposal_.isEmpty())
        loadEdits_[0]->setText(proposal_);
}

void LoadsWindow::loadFieldExit(int index)
{
    context_.messages.runCommand([this, index] {
        const Field field = kLoadFields[static_cast<size_t>(index)].field;
        if (auto report = checkLoadField(draft_, field, context_.decimalSeparator))
            context_.messages.showReport(*report, this);
    });
}

void LoadsWindow::axleCountExit()
{
    applyAxleCount();
}

bool LoadsWindow::applyAxleCount()
{
    const std::string text = axleCount_->text().trimmed().toStdString();
    if (auto report = checkAxleCount(text)) {
        context_.messages.showReport(*report, this);
        return false;
    }
    const int count = parseInteger(text).value_or(0);
    if (count != draft_.axleCount()) {
        setAxleCount(draft_, count);
        axleModel_->reload();
    }
    return true;
}

void LoadsWindow::axleTableExit()
{
    context_.messages.runCommand([this] {
        for (const Report& report : checkAxleTable(draft_.axles, context_.decimalSeparator))
            context_.messages.showReport(report, this);
    });
}

void LoadsWindow::storeAndClose()
{
    // The count as it stands, should no focus move have applied it yet.
    if (!applyAxleCount())
        return;
    std::optional<LoadFault> fault;
    if (!context_.messages.runCommand([&] { fault = findLoadFault(draft_, context_.decimalSeparator); }))
        return;
    if (fault) {
        // A cell at fault becomes the current one, so the focus lands on it.
        if (fault->row > 0)
            axleGrid_->setCurrentIndex(axleModel_->index(fault->row - 1, fault->column));
        context_.messages.showReport(fault->report, this);
        return;
    }
    context_.session.setLoads(draft_);
    closeWindow();
}

void LoadsWindow::cancel()
{
    closeWindow();
}

void LoadsWindow::closeWindow()
{
    hide();
    opener_.giveBack();
}

bool LoadsWindow::hasEdits() const
{
    const LoadInput& stored = context_.project.loads;
    return draft_.selfWeight != stored.selfWeight || draft_.permanent != stored.permanent ||
           draft_.variable != stored.variable || !(draft_.axles == stored.axles) ||
           axleCount_->text().trimmed() != QString::number(draft_.axleCount());
}

}  // namespace kvor::ui
