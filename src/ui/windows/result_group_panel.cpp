#include "ui/windows/result_group_panel.h"

#include "results/group_sums.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

GroupPanel::GroupPanel(AppContext& context, QWidget* window)
    : OverlayPanel(QStringLiteral("Panel4"), {30, 70, 585, 332}, window), context_(context), project_(context.project)
{
    connect(&context_.session, &ProjectSession::groupChanged, this, &GroupPanel::loadFromModel);
    makeLabel(this, QStringLiteral("Label76"), QStringLiteral("Výsledky výpočtu pro skupinu kabelů"), {10, 8},
              LabelStyle::BoldUnderlined);
    makeLabel(this, QStringLiteral("Label77"), QStringLiteral("Výběr kabelů do skupiny"), {10, 34});
    for (int t = 0; t < kSlotCount; ++t) {
        auto* box = new QCheckBox(QString::number(t + 1) + QStringLiteral(".kabel předpětí"), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(t + 2));
        box->setGeometry(10 + 114 * t, 54, 110, 20);
        connect(box, &QCheckBox::clicked, this, [this, t](bool ticked) { chooseTendon(t, ticked); });
        groupBoxes_[t] = box;
    }
    for (int q = 0; q < kSlotCount; ++q)
        lines_[q].emplace(this, q, 92 + 40 * q);

    BitBtn9 = makeButton(this, QStringLiteral("BitBtn9"), QStringLiteral("Výsledky"), {344, 294, 110, 28},
                         QStyle::SP_DialogApplyButton, [this] { sumGroup(); });
    BitBtn10 = makeButton(this, QStringLiteral("BitBtn10"), QStringLiteral("Zpět"), {464, 294, 110, 28},
                          QStyle::SP_ArrowBack, [this] { back(); });
}

void GroupPanel::loadFromModel()
{
    const EvaluationResult& results = project_.results;
    for (int t = 0; t < kSlotCount; ++t) {
        groupBoxes_[t]->setChecked(results.group[t]);
        groupBoxes_[t]->setEnabled(results.selectable[t]);
    }
    for (auto& line : lines_)
        line->show(project_.results);
}

void GroupPanel::chooseTendon(int t, bool ticked)
{
    context_.session.chooseGroupTendon(t, ticked);
}

void GroupPanel::sumGroup()
{
    // A value that is no number stops the sums there; the lines already
    // summed show their new sums before the error box comes up.
    context_.messages.runCommand([this] { context_.session.sumGroup(context_.decimalSeparator); });
}

void GroupPanel::back()
{
    close();  // the group stays chosen, and its sums stay shown
}

}  // namespace kvor::ui
