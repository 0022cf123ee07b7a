#include "ui/dialogs/influence_generator_panel.h"

#include "analysis/line_generator.h"
#include "model/project.h"
#include "ui/qt_text.h"
#include "ui/widgets/window_setup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

namespace {

bool needsModulus(const QString& kindText)
{
    const auto kind = lineKindOf(quantityKindOf(kindText.toStdString()));
    return kind && lineNeedsStiffness(*kind);
}

}  // namespace

GeneratorPanel::GeneratorPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Veličina:"), {8, 8});
    Label6 = makeLabel(this, QStringLiteral("Label6"), QString(), {70, 8}, LabelStyle::Bold);
    Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Staničení X [m]"), {8, 40});
    Edit3 = makeEdit(this, QStringLiteral("Edit3"), {160, 36, 120, 22});
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(160, 36, 120, 22);
    Label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Krok [m]"), {8, 72});
    Edit4 = makeEdit(this, QStringLiteral("Edit4"), {160, 68, 120, 22});
    Label9 = makeLabel(this, QStringLiteral("Label9"), QStringLiteral("Modul pružnosti E [MPa]"), {8, 104});
    Edit5 = makeEdit(this, QStringLiteral("Edit5"), {160, 100, 120, 22});
    BitBtn4 = makeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("Vygenerovat"), {160, 140, 120, 28});
    BitBtn4->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    // Enter on the focused button generates, as Space does.
    BitBtn4->setAutoDefault(true);
    connect(BitBtn4, &QPushButton::clicked, this, &GeneratorPanel::generateClicked);
    setTabOrder(Edit3, ComboBox1);
    setTabOrder(ComboBox1, Edit4);
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, BitBtn4);
}

bool GeneratorPanel::reaction() const
{
    return Label6->text() == QString::fromUtf8(kQuantityKindLabels[static_cast<size_t>(QuantityKind::Reaction)]);
}

void GeneratorPanel::prepare(const QString& kindText, const std::vector<SupportChoice>& supports)
{
    Label6->setText(kindText);
    Label6->adjustSize();
    supports_ = supports;
    const bool atSupport = reaction();
    Label7->setText(atSupport ? QStringLiteral("Podpora") : QStringLiteral("Staničení X [m]"));
    Label7->adjustSize();
    Edit3->setVisible(!atSupport);
    ComboBox1->setVisible(atSupport);
    ComboBox1->clear();
    for (const SupportChoice& s : supports_)
        ComboBox1->addItem(toQString(s.name) + QStringLiteral("  (") + toQString(s.station) + QStringLiteral(" m)"));
    const bool modulus = needsModulus(kindText);
    Label9->setVisible(modulus);
    Edit5->setVisible(modulus);
}

GeneratorInput GeneratorPanel::input() const
{
    GeneratorInput in;
    if (reaction()) {
        const int i = ComboBox1->currentIndex();
        if (i >= 0 && i < static_cast<int>(supports_.size()))
            in.station = supports_[static_cast<size_t>(i)].station;
    } else {
        in.station = Edit3->text().toStdString();
    }
    in.step = Edit4->text().toStdString();
    in.modulus = Edit5->text().toStdString();
    return in;
}

void GeneratorPanel::setInput(const GeneratorInput& input)
{
    Edit3->setText(toQString(input.station));
    Edit4->setText(toQString(input.step));
    Edit5->setText(toQString(input.modulus));
    ComboBox1->setCurrentIndex(0);
    for (size_t i = 0; i < supports_.size(); ++i)
        if (supports_[i].station == input.station)
            ComboBox1->setCurrentIndex(static_cast<int>(i));
}

void GeneratorPanel::setLocked(bool locked)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Edit3, ComboBox1, Edit4, Edit5, BitBtn4})
        w->setEnabled(!locked);
}

}  // namespace kvor::ui
