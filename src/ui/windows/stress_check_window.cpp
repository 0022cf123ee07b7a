#include "ui/windows/stress_check_window.h"

#include "check/check_input.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/qt_text.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/stress_diagram.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvor::ui {

namespace {

constexpr int kColumnWidth = 86;
constexpr int kGridHeight = 6 * WorkingGrid::kRowHeight + 4;  // the headings and five rows
constexpr int kNameWidth = 150;
constexpr int kUtilisationWidth = 150;
constexpr int kGridWidth = 8 * kColumnWidth + kNameWidth + kUtilisationWidth + 6;

constexpr std::array<Field, 5> kFields = {Field::CheckStrength, Field::CheckTensileStrength,
                                          Field::CheckStrengthAtTransfer, Field::CheckTensileStrengthAtTransfer,
                                          Field::CheckPsi2};
constexpr std::array<std::string CheckInput::*, 5> kTexts = {
    &CheckInput::strength, &CheckInput::tensileStrength, &CheckInput::strengthAtTransfer,
    &CheckInput::tensileStrengthAtTransfer, &CheckInput::psi2};
const char* const kCaptions[5] = {"f_ck [MPa]", "f_ctm [MPa]", "f_ck(t) [MPa]", "f_ctm(t) [MPa]",
                                  "ψ2 proměnného zatížení"};


const QColor kPassColour(215, 240, 215);
const QColor kFailColour(250, 205, 205);

// The verdict cells coloured, a failing one in bold as well: the word says it
// in black and white.
class VerdictColours : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::BackgroundRole && role != Qt::FontRole)
            return QIdentityProxyModel::data(index, role);
        const QString verdict = index.siblingAtColumn(8).data().toString();
        const bool fails = verdict == QString::fromUtf8(kFailsText);
        if (verdict.isEmpty() || index.column() < 8)
            return {};
        if (role == Qt::BackgroundRole)
            return fails ? kFailColour : kPassColour;
        if (!fails)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
};

}  // namespace

StressCheckWindow::StressCheckWindow(AppContext& context, QWidget* parent)
    : CheckedSectionsWindow(context, parent, QStringLiteral("Form17"), QStringLiteral("Kvor1.1 - posouzení napětí"),
                            QStringLiteral("Posouzení napětí při předpětí a v provozu (EN 1992-1-1)"),
                            {kGridWidth + 80, 720}),
      exits_(new FocusExitWatcher(this))
{
    auto* inputs = new QGridLayout;
    inputs->addWidget(makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Třída betonu"), {}), 0, 0);
    concreteClass_ = new QComboBox(this);
    concreteClass_->setObjectName(QStringLiteral("ComboBox1"));
    concreteClass_->addItem(QStringLiteral("jiná"));
    for (const ConcreteClass& c : kConcreteClasses)
        concreteClass_->addItem(QString::fromUtf8(c.name));
    inputs->addWidget(concreteClass_, 1, 0);
    for (size_t i = 0; i < edits_.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        inputs->addWidget(makeLabel(this, QStringLiteral("Label%1").arg(4 + i), QString::fromUtf8(kCaptions[i]), {}),
                          0, column);
        edits_[i] = makeEdit(this, QStringLiteral("Edit%1").arg(i + 1), {0, 0, 100, 22});
        inputs->addWidget(edits_[i], 1, column);
        const Field field = kFields[i];
        exits_->watch(edits_[i], [this, field] { fieldExit(field); });
    }
    edits_[2]->setPlaceholderText(QStringLiteral("= f_ck"));
    edits_[3]->setPlaceholderText(QStringLiteral("= f_ctm"));
    edits_[4]->setPlaceholderText(QStringLiteral("0"));
    checkButton_ = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Posoudit"), {0, 0, 100, 26});
    inputs->addWidget(checkButton_, 1, 6);
    inputs->setColumnStretch(7, 1);
    layout_->addLayout(inputs);

    addBlocks({kColumnWidth, WorkingGrid::kRowHeight, {kGridWidth, kGridHeight}, 16, 10, 4}, [this](size_t i, QVBoxLayout* block) {
        auto* colours = new VerdictColours(grids_[i]);
        colours->setSourceModel(grids_[i]->model());
        grids_[i]->setModel(colours);
        verdicts_[i] =
            makeLabel(blocks_[i], QStringLiteral("Label%1").arg(11 + 4 * i), QString(), {}, LabelStyle::Bold);
        diagrams_[i] = new StressDiagram(blocks_[i]);
        diagrams_[i]->setObjectName(QStringLiteral("PaintBox%1").arg(i + 1));
        diagrams_[i]->setFixedWidth(kGridWidth);
        notes_[i] = makeLabel(blocks_[i], QStringLiteral("Label%1").arg(12 + 4 * i), QString(), {});
        notes_[i]->setWordWrap(true);
        notes_[i]->setFixedWidth(kGridWidth);
        block->addWidget(verdicts_[i]);
        block->addWidget(notes_[i]);
        block->addWidget(diagrams_[i]);
    });
    addBackButton();

    connect(concreteClass_, &QComboBox::activated, this, &StressCheckWindow::classChosen);
    connect(checkButton_, &QPushButton::clicked, this, &StressCheckWindow::checkNow);
    connect(&context_.session, &ProjectSession::checkInputChanged, this, [this] {
        if (isVisible())
            loadFromModel();
    });
    connect(&context_.session, &ProjectSession::projectReplaced, this, [this] { reloadIfShown(); });
}

CheckInput StressCheckWindow::typedInput() const
{
    CheckInput input;
    for (size_t i = 0; i < edits_.size(); ++i)
        input.*kTexts[i] = edits_[i]->text().toStdString();
    return input;
}

void StressCheckWindow::showInput()
{
    const CheckInput& input = project_.check;
    for (size_t i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(toQString(input.*kTexts[i]));
    const std::optional<size_t> chosen = concreteClassOf(input, context_.decimalSeparator);
    concreteClass_->setCurrentIndex(chosen ? static_cast<int>(*chosen) + 1 : 0);
}

void StressCheckWindow::fieldExit(Field field)
{
    const CheckInput input = typedInput();
    if (const std::optional<Report> fault = checkCheckField(input, field, context_.decimalSeparator)) {
        context_.messages.showReport(*fault, this);
        return;
    }
    // Only this field is taken: another field still at fault keeps its stored text.
    CheckInput stored = project_.check;
    const size_t i = static_cast<size_t>(std::find(kFields.begin(), kFields.end(), field) - kFields.begin());
    stored.*kTexts[i] = input.*kTexts[i];
    context_.session.setCheckInput(stored);
    const std::optional<size_t> chosen = concreteClassOf(stored, context_.decimalSeparator);
    concreteClass_->setCurrentIndex(chosen ? static_cast<int>(*chosen) + 1 : 0);
}

void StressCheckWindow::classChosen(int index)
{
    if (index <= 0)
        return;
    CheckInput input = project_.check;
    setConcreteClass(input, static_cast<size_t>(index - 1), context_.decimalSeparator);
    edits_[0]->setText(toQString(input.strength));
    edits_[1]->setText(toQString(input.tensileStrength));
    context_.session.setCheckInput(input);
}

void StressCheckWindow::checkNow()
{
    const CheckInput input = typedInput();
    if (const std::optional<Report> fault = findCheckFault(input, context_.decimalSeparator)) {
        context_.messages.showReport(*fault, this);
        return;
    }
    context_.session.setCheckInput(input);
    showChecks();
}

void StressCheckWindow::loadFromModel()
{
    showInput();
    showChecks();
}

void StressCheckWindow::showChecks()
{
    StressChecks checks;
    const bool ran = context_.messages.runCommand(
        [&] { checks = stressChecks(project_, context_.decimalSeparator); });
    if (!ran)
        checks = StressChecks{"Posouzení nelze provést.", {}};
    shown_ = static_cast<int>(checks.tables.size());
    showMessage(toQString(checks.message));

    for (size_t i = 0; i < kSlotCount; ++i) {
        const bool used = static_cast<int>(i) < shown_;
        if (used) {
            const StressCheckTable& check = checks.tables[i];
            titles_[i]->setText(blockTitle(check.quantity, check.station));
            tables_[i] = stressCheckTextTable(check, context_.decimalSeparator, true);
            const bool passes = check.passes();
            verdicts_[i]->setText(toQString(stressCheckVerdict(check)));
            verdicts_[i]->setStyleSheet(passes ? QStringLiteral("color: #006400;") : QStringLiteral("color: #b00000;"));
            notes_[i]->setText(QString::fromUtf8(kStressCheckNote));
            diagrams_[i]->setCheck(check, context_.decimalSeparator);
        } else {
            tables_[i] = TextTable();
        }
        grids_[i]->reload();
        if (used) {
            // The row names and the utilisation with a tension read whole.
            grids_[i]->horizontalHeader()->resizeSection(0, kNameWidth);
            grids_[i]->horizontalHeader()->resizeSection(9, kUtilisationWidth);
        }
        blocks_[i]->setVisible(used);
    }
}

void StressCheckWindow::closeEvent(QCloseEvent* event)
{
    // A field is kept when it is left; one still being typed in when the
    // frame is closed is not dropped silently: kept (checked and stored as
    // "Posoudit" does), dropped, or worked on.
    event->ignore();
    if (isVisible() && !(typedInput() == project_.check)) {
        const EditsOnClose answer = askAboutEdits(context_.messages, QStringLiteral("posouzení napětí"));
        if (answer == EditsOnClose::Keep) {
            const CheckInput input = typedInput();
            if (const std::optional<Report> fault = findCheckFault(input, context_.decimalSeparator)) {
                context_.messages.showReport(*fault, this);
                return;
            }
            context_.session.setCheckInput(input);
        } else if (answer == EditsOnClose::Stay) {
            return;
        }
    }
    goBack();
}

}  // namespace kvor::ui
