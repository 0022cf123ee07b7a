#include "ui/dialogs/stressing_window.h"

#include "model/error.h"
#include "model/numbers.h"
#include "stressing/stressing_chart_data.h"
#include "stressing/stressing_checks.h"
#include "ui/charts/chart_line_view.h"
#include "ui/message_service.h"
#include "ui/qt_text.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

namespace {

constexpr QSize kClientSize{640, 516};

// The fields in their order, with their captions.
struct FieldRow {
    const char* caption;
    std::string TendonStressing::*text;
};
const FieldRow kFields[] = {
    {"Napínací síla P0 [kN]", &TendonStressing::jackingForce},
    {"Součinitel tření μ", &TendonStressing::friction},
    {"Neúmyslná úhlová odchylka k [rad/m]", &TendonStressing::wobble},
    {"Pokluz v kotvě Δs [mm]", &TendonStressing::anchorageSet},
    {"Modul pružnosti výztuže E_p [MPa]", &TendonStressing::modulus},
    {"Plocha výztuže A_p [mm²]", &TendonStressing::area},
    {"Dlouhodobé ztráty [%]", &TendonStressing::longTermLoss},
    {"Charakteristická pevnost f_pk [MPa]", &TendonStressing::strength},
};
constexpr int kFieldCount = 8;

const QString kHelp = QStringLiteral(
    "Síla klesá od napínaného konce třením: P(x) = P0·exp(−μ(θ + k·x)), θ součet změn úhlu kabelu. "
    "Součinitel vlnitosti jiných norem je μ·k. Pokluz v kotvě Δs sníží sílu u napínaného konce. "
    "Do sloupce sil se zapíší průměrné síly úseků po tření a pokluzu (záporné, tlak); "
    "dlouhodobé ztráty se uchovají u kabelu.");

const StressingEnds kEnds[] = {StressingEnds::Left, StressingEnds::Right, StressingEnds::Both};

}  // namespace

StressingWindow::StressingWindow(AppContext& context, QWidget* parent)
    : EntryWindow(context, QStringLiteral("napínání"), parent)
{
    setObjectName(QStringLiteral("Form14"));
    setupFixedWindow(this, kClientSize, TitleBar::CloseButton, QStringLiteral("Síly z napínání"));

    title_ = makeLabel(this, QStringLiteral("Label20"), QString(), {10, 10}, LabelStyle::Bold);
    QStringList ends;
    for (StressingEnds end : kEnds)
        ends << QString::fromUtf8(stressingEndLabel(end));
    endGroup_ = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Napínaný konec"), ends, this);
    endGroup_->setGeometry(10, 34, 160, 78);

    auto* memo = new QPlainTextEdit(kHelp, this);
    memo->setObjectName(QStringLiteral("Memo5"));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setGeometry(10, 120, 160, 150);

    // The tab order is the order of creation: the end, the fields, the
    // commands, the chart (its context menu saves and enlarges it).
    for (int i = 0; i < kFieldCount; ++i) {
        const int y = 34 + i * 28;
        makeLabel(this, QStringLiteral("Label%1").arg(21 + i), QString::fromUtf8(kFields[i].caption), {182, y + 4});
        edits_[i] = makeEdit(this, QStringLiteral("Edit%1").arg(15 + i), {420, y, 90, 22});
        connect(edits_[i], &QLineEdit::returnPressed, this, &StressingWindow::computeForces);
    }

    computeButton_ = makeButton(this, QStringLiteral("BitBtn6"), QStringLiteral("Vypočítat síly"), {522, 34, 108, 28},
                                QStyle::SP_MediaPlay, [this] { computeForces(); });
    dropButton_ = makeButton(this, QStringLiteral("BitBtn7"), QStringLiteral("Bez napínání"), {522, 68, 108, 28},
                             QStyle::SP_DialogDiscardButton, [this] { dropStressing(); });
    backButton_ = makeButton(this, QStringLiteral("BitBtn8"), QStringLiteral("Zpět"), {522, 224, 108, 28},
                             QStyle::SP_ArrowBack, [this] { goBack(); });
    for (QPushButton* button : {computeButton_, dropButton_, backButton_}) {
        // Enter on the focused button presses it, as Space does.
        button->setAutoDefault(true);
    }

    // Under the fields, beside the help: the forces no longer follow from the data.
    staleNote_ = makeLabel(this, QStringLiteral("Label32"),
                        QStringLiteral("Síly neodpovídají údajům o napínání: přepočítejte je."), {182, 258});
    QPalette red = staleNote_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    staleNote_->setPalette(red);
    staleNote_->hide();
    anchorForces_ = makeLabel(this, QStringLiteral("Label29"), QString(), {10, 280});
    makeLabel(this, QStringLiteral("Label30"), QStringLiteral("Síla v kabelu po délce nosníku"), {10, 300},
              LabelStyle::Bold);
    chart_ = new LineChartView(LineChartLook{QStringLiteral("Chart3"), QSize(620, 170), QStringLiteral("staničení [m]"),
                                             QStringLiteral("síla v kabelu [kN]"), false,
                                             QStringLiteral("Síla v kabelu po délce nosníku")},
                               this);
    chart_->move(10, 318);
    chart_->setDecimalSeparator(context.decimalSeparator);
    legend_ = makeLabel(this, QStringLiteral("Label31"),
                        QStringLiteral("<span style='color:#0000ff'>━ P před zakotvením</span>&nbsp;&nbsp;&nbsp;"
                                       "<span style='color:#ff0000'>━ P′ po zakotvení</span>&nbsp;&nbsp;&nbsp;"
                                       "<span style='color:#008000'>━ síly úseků (do sloupce sil)</span>"),
                        {10, 494});
}

void StressingWindow::openFor(int slot, const TendonSlot& draft, const std::optional<TendonStressing>& stressing,
                              bool readOnly, QWidget* opener)
{
    draft_ = draft;
    title_->setText(QStringLiteral("Napínání %1.předpínacího kabelu").arg(slot));
    title_->adjustSize();
    setInput(stressing.value_or(defaultStressing(context_.decimalSeparator)));
    setLocked(readOnly);
    opened_ = input();

    // Data that are there already show their forces at once, quietly: a fault
    // is for "Vypočítat síly" to report.
    std::optional<TendonStressingOutcome> shown;
    staleNote_->hide();
    if (stressing) {
        draft_.stressing = stressing;
        // Forces typed over the computed ones, or the geometry changed since.
        staleNote_->setVisible(stressingIsStale(draft_, context_.decimalSeparator));
        try {
            TendonStressingOutcome outcome = stressTendon(draft_, context_.decimalSeparator);
            if (!outcome.fault)
                shown = std::move(outcome);
        } catch (const Error&) {
        }
    }
    showOutcome(shown);

    opener_.take(opener);
    if (readOnly)
        backButton_->setFocus(Qt::OtherFocusReason);
    else
        edits_[0]->setFocus(Qt::OtherFocusReason);
    showInFront(this);
}

TendonStressing StressingWindow::input() const
{
    TendonStressing s;
    const int end = endGroup_->itemIndex();
    s.end = stressingEndCode(kEnds[end < 0 ? 0 : end]);
    for (int i = 0; i < kFieldCount; ++i)
        s.*kFields[i].text = edits_[i]->text().toStdString();
    return s;
}

void StressingWindow::setInput(const TendonStressing& stressing)
{
    const auto ends = stressingEndsOfCode(stressing.end);
    endGroup_->setItemIndex(static_cast<int>(ends.value_or(StressingEnds::Left)));
    for (int i = 0; i < kFieldCount; ++i)
        edits_[i]->setText(toQString(stressing.*kFields[i].text));
}

void StressingWindow::setLocked(bool locked)
{
    endGroup_->setEnabled(!locked);
    for (QLineEdit* edit : edits_)
        edit->setEnabled(!locked);
    computeButton_->setEnabled(!locked);
    dropButton_->setEnabled(!locked);
}

void StressingWindow::showOutcome(const std::optional<TendonStressingOutcome>& outcome)
{
    if (!outcome) {
        anchorForces_->setText(QStringLiteral("Síly zatím nebyly vypočteny."));
        anchorForces_->adjustSize();
        chart_->showSeries({});
        return;
    }
    const char sep = context_.decimalSeparator;
    const auto anchor = [&](const char* end, const std::optional<long double>& force) {
        return force ? QStringLiteral("%1 %2 kN").arg(QString::fromUtf8(end), toQString(formatNumber(*force, sep)))
                     : QString();
    };
    QStringList anchors;
    for (const QString& a : {anchor("vlevo", outcome->forces.anchorLeft), anchor("vpravo", outcome->forces.anchorRight)})
        if (!a.isEmpty())
            anchors << a;
    anchorForces_->setText(QStringLiteral("Síla v kotvě po zakotvení: ") + anchors.join(QStringLiteral(", ")));
    anchorForces_->adjustSize();
    chart_->showSeries(stressingChartSeries(*outcome));
}

void StressingWindow::computeForces()
{
    if (!computeButton_->isEnabled())
        return;
    const TendonStressing data = input();
    std::optional<TendonStressingOutcome> outcome;
    std::vector<std::string> texts;
    const bool ran = context_.messages.runCommand([&] {
        TendonSlot slot = draft_;
        slot.stressing = data;
        TendonStressingOutcome computed = stressTendon(slot, context_.decimalSeparator);
        if (computed.fault) {
            context_.messages.showReport(*computed.fault, this);
            return;
        }
        texts = storedForceTexts(slot, computed, context_.decimalSeparator);
        outcome = std::move(computed);
    });
    if (!ran || !outcome)
        return;
    draft_.stressing = data;
    opened_ = data;
    staleNote_->hide();
    showOutcome(outcome);
    emit forcesComputed(texts, data);
    // Warnings are no faults: told without a beep, the forces stay computed.
    for (const std::string& warning : outcome->warnings)
        context_.messages.message(warning);
}

void StressingWindow::dropStressing()
{
    emit stressingRemoved();
    setInput(defaultStressing(context_.decimalSeparator));
    closeWindow();
}

void StressingWindow::goBack()
{
    closeWindow();
}

void StressingWindow::closeWindow()
{
    hide();
    opener_.giveBack();
    emit closed();
}

bool StressingWindow::hasEdits() const
{
    return computeButton_->isEnabled() && !(input() == opened_);
}

void StressingWindow::keepEdits()
{
    computeForces();
    if (input() == opened_)
        closeWindow();
}

}  // namespace kvor::ui
