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

InfluenceGeneratorPanel::InfluenceGeneratorPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    kindCaption_ = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Veličina:"), {8, 8});
    kind_ = makeLabel(this, QStringLiteral("Label6"), QString(), {70, 8}, LabelStyle::Bold);
    stationCaption_ = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Staničení X [m]"), {8, 40});
    station_ = makeEdit(this, QStringLiteral("Edit3"), {160, 36, 120, 22});
    supportBox_ = new QComboBox(this);
    supportBox_->setObjectName(QStringLiteral("ComboBox1"));
    supportBox_->setGeometry(160, 36, 120, 22);
    stepCaption_ = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Krok [m]"), {8, 72});
    step_ = makeEdit(this, QStringLiteral("Edit4"), {160, 68, 120, 22});
    modulusCaption_ = makeLabel(this, QStringLiteral("Label9"), QStringLiteral("Modul pružnosti E [MPa]"), {8, 104});
    modulus_ = makeEdit(this, QStringLiteral("Edit5"), {160, 100, 120, 22});
    generateButton_ = makeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("Vygenerovat"), {160, 140, 120, 28},
                                 QStyle::SP_MediaPlay);
    // Enter on the focused button generates, as Space does.
    generateButton_->setAutoDefault(true);
    connect(generateButton_, &QPushButton::clicked, this, &InfluenceGeneratorPanel::generateClicked);
    setTabOrder(station_, supportBox_);
    setTabOrder(supportBox_, step_);
    setTabOrder(step_, modulus_);
    setTabOrder(modulus_, generateButton_);
}

bool InfluenceGeneratorPanel::reaction() const
{
    return kind_->text() == QString::fromUtf8(kQuantityKindLabels[static_cast<size_t>(QuantityKind::Reaction)]);
}

void InfluenceGeneratorPanel::prepare(const QString& kindText, const std::vector<SupportChoice>& supports)
{
    kind_->setText(kindText);
    kind_->adjustSize();
    supports_ = supports;
    const bool atSupport = reaction();
    stationCaption_->setText(atSupport ? QStringLiteral("Podpora") : QStringLiteral("Staničení X [m]"));
    stationCaption_->adjustSize();
    station_->setVisible(!atSupport);
    supportBox_->setVisible(atSupport);
    supportBox_->clear();
    for (const SupportChoice& s : supports_)
        supportBox_->addItem(toQString(s.name) + QStringLiteral("  (") + toQString(s.station) + QStringLiteral(" m)"));
    const bool modulus = needsModulus(kindText);
    modulusCaption_->setVisible(modulus);
    modulus_->setVisible(modulus);
}

GeneratorInput InfluenceGeneratorPanel::input() const
{
    GeneratorInput in;
    if (reaction()) {
        const int i = supportBox_->currentIndex();
        if (i >= 0 && i < static_cast<int>(supports_.size()))
            in.station = supports_[static_cast<size_t>(i)].station;
    } else {
        in.station = station_->text().toStdString();
    }
    in.step = step_->text().toStdString();
    in.modulus = modulus_->text().toStdString();
    return in;
}

void InfluenceGeneratorPanel::setInput(const GeneratorInput& input)
{
    station_->setText(toQString(input.station));
    step_->setText(toQString(input.step));
    modulus_->setText(toQString(input.modulus));
    supportBox_->setCurrentIndex(0);
    for (size_t i = 0; i < supports_.size(); ++i)
        if (supports_[i].station == input.station)
            supportBox_->setCurrentIndex(static_cast<int>(i));
}

void InfluenceGeneratorPanel::setLocked(bool locked)
{
    for (QWidget* w : std::initializer_list<QWidget*>{station_, supportBox_, step_, modulus_, generateButton_})
        w->setEnabled(!locked);
}

}  // namespace kvor::ui
