#include "ui/dialogs/tendon_dialog.h"

#include "stressing/tendon_stressing.h"
#include "tendons/tendon_checks.h"
#include "tendons/tendon_dialog_state.h"
#include "ui/dialogs/stressing_panel.h"
#include "ui/dialogs/stressing_window.h"
#include "ui/dialogs/tendon_panels.h"
#include "ui/message_service.h"
#include "ui/pages/navigation.h"
#include "ui/qt_text.h"
#include "ui/widgets/window_setup.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

namespace {

constexpr QSize kDialogSize{553, 354};
// The width every panel has but the composite tendon's, which grows with its tables.
constexpr int kPanelWidth = 537;

}  // namespace

TendonDialog::~TendonDialog() = default;

TendonDialog::TendonDialog(AppContext& context, QWidget* parent)
    : SlotEntryDialog(context, QStringLiteral("Form8"), kDialogSize, QStringLiteral("kabelu"), parent)
{
    title_ = makeLabel(this, QStringLiteral("Label1"), toQString(tendonDialogTitle(1)), {16, 12}, LabelStyle::Bold);
    typeLine_ = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Typ kabelu:"), {16, 36},
                          LabelStyle::BoldUnderlined);

    // The stressing part is built after the panels (its button follows them
    // in the tab order); the panels ask it only once the dialog is in use.
    const LeavingForStressing leavingForStressing = [this](QWidget* forceField) {
        return stressing_->leavingFor(forceField);
    };
    straight_ = new StraightTendonPanel(context_, *exits_, this);
    broken_ = new BrokenTendonPanel(context_, *exits_, leavingForStressing, this);
    simpleParabola_ = new SimpleParabolaPanel(context_, *exits_, leavingForStressing, this);
    parabolicTables_ = new ParabolicTablesPanel(context_, *exits_, leavingForStressing, this);

    stressing_ = new StressingPanel(context_, this);
    connect(stressing_, &StressingPanel::openRequested, this, &TendonDialog::openStressingWindow);
    connect(stressing_, &StressingPanel::forcesComputed, this, [this](const std::vector<std::string>& forceTexts) {
        if (TendonTypePanel* panel = panelFor(type_))
            panel->writeForces(forceTexts);
    });

    correctButton_ = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Opravit"), {330, 316, 100, 28},
                                QStyle::SP_FileDialogDetailedView);
    correctButton_->hide();
    backButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět"), {440, 316, 100, 28},
                             QStyle::SP_ArrowBack);
    connect(backButton_, &QPushButton::clicked, this, &TendonDialog::storeEntry);
    connect(correctButton_, &QPushButton::clicked, this, &TendonDialog::correct);

    watchForEdits();
}

const StraightTendonInput& TendonDialog::straightInput() const { return straight_->input(); }
const TextTable& TendonDialog::pointTable() const { return broken_->points(); }
const TextTable& TendonDialog::forceTable() const { return broken_->forces(); }
const SimpleParabolicInput& TendonDialog::simpleParabolicInput() const { return simpleParabola_->input(); }
const TextTable& TendonDialog::parabolicPointTable() const { return parabolicTables_->points(); }
const TextTable& TendonDialog::segmentTable() const { return parabolicTables_->segments(); }
const std::optional<TendonStressing>& TendonDialog::stressing() const { return stressing_->stressing(); }
StressingWindow* TendonDialog::stressingWindow() const { return stressing_->window(); }

std::array<TendonTypePanel*, 4> TendonDialog::panels() const
{
    return {straight_, broken_, simpleParabola_, parabolicTables_};
}

TendonTypePanel* TendonDialog::panelFor(TendonType type) const
{
    switch (panelForType(type)) {
    case TendonPanel::Straight: return straight_;
    case TendonPanel::Broken: return broken_;
    case TendonPanel::SimpleParabolic: return simpleParabola_;
    case TendonPanel::ParabolicTables: return parabolicTables_;
    case TendonPanel::None: break;
    }
    return nullptr;
}

void TendonDialog::openForSlot(int slot, QWidget* opener)
{
    const TendonSlot& tendon = context_.project.tendons[static_cast<size_t>(slot - 1)];
    if (auto report = checkTendonTypeChosen(tendon, slot)) {
        context_.messages.showReport(*report, opener);
        return;
    }
    prepareForSlot(slot, tendon.typeText);

    if (auto report = checkStructureEntered(context_.project)) {
        if (report->page)
            emit inputPageRequested(*report->page);
        context_.messages.showReport(*report, opener);
    }
    if (!tendonDialogOpens(context_.project, tendon))
        return;
    showOver(opener);
    if (tendon.entered())
        loadStoredDefinition();
}

void TendonDialog::prepareForSlot(int slot, std::string_view typeText)
{
    title_->setText(toQString(tendonDialogTitle(slot)));
    title_->adjustSize();
    typeLine_->setText(toQString(tendonTypeLine(typeText)));
    typeLine_->adjustSize();
    setSlotNumber(slot);

    // A text that names no type chooses none: the dialog then shows no panel
    // and "Zpět" stores nothing.
    type_ = tendonTypeOf(typeText);
    if (panelForType(type_) == TendonPanel::ParabolicTables)
        parabolicTables_->setType(type_);
    resetInputs();
    TendonTypePanel* panel = panelFor(type_);
    showPanel(panel);
    if (panel)
        panel->setLocked(false);
    stressing_->setLocked(false);
    correctButton_->hide();
}

void TendonDialog::showOver(QWidget* opener)
{
    takeOpener(opener);
    // The focus starts on "Zpět", not in a checked field: the first click into
    // a field must not report the field that was never typed in.
    showInFrontWithFocus(backButton_);
}

void TendonDialog::loadStoredDefinition()
{
    const TendonSlot& slot = context_.project.tendons[static_cast<size_t>(slotNumber() - 1)];
    TendonTypePanel* panel = panelFor(slot.type);
    if (!panel)
        return;
    showPanel(panel);
    panel->setLocked(true);
    panel->load(slot);
    stressing_->load(slot);
    stressing_->setLocked(true);
    correctButton_->show();
}

void TendonDialog::showPanel(TendonTypePanel* panel)
{
    for (TendonTypePanel* p : panels())
        p->setVisible(p == panel);
    // Only broken and parabolic tendons are stressed through their curvature.
    stressing_->setShown(panel && stressingApplies(type_));
    // The composite tendon's panel is wider than the others; the buttons keep
    // to the dialog's right edge.
    const int extra = panel ? panel->width() - kPanelWidth : 0;
    setFixedSize(kDialogSize.width() + extra, kDialogSize.height());
    correctButton_->move(330 + extra, correctButton_->y());
    backButton_->move(440 + extra, backButton_->y());
}

void TendonDialog::resetInputs()
{
    stressing_->reset();
    for (TendonTypePanel* p : panels())
        p->reset();
}

void TendonDialog::storeEntry()
{
    TendonTypePanel* panel = panelFor(type_);
    if (!panel) {
        // Nothing can be stored for this type: back to the main window.
        closeDialog();
        showPanel(nullptr);
        return;
    }
    if (!panel->store(slotNumber(), stressing_->stressing()))
        return;
    // The window goes first, so that emptying the fields is no focus exit.
    closeDialog();
    showPanel(nullptr);
    resetInputs();
}

void TendonDialog::correct()
{
    if (TendonTypePanel* panel = panelFor(type_)) {
        panel->setLocked(false);
        panel->firstField()->setFocus(Qt::OtherFocusReason);
    }
    stressing_->setLocked(false);
    correctButton_->hide();
}

void TendonDialog::openStressingWindow()
{
    // Still read-only while "Opravit" is offered.
    if (TendonTypePanel* panel = panelFor(type_))
        stressing_->open(slotNumber(), panel->draft());
}

bool TendonDialog::mayClose() const
{
    // Not while the stressing window over it is open.
    return !stressing_->window()->isVisible();
}

void TendonDialog::dropEntry()
{
    showPanel(nullptr);
    resetInputs();
}

}  // namespace kvor::ui
