#include "ui/pages/quantity_page.h"

#include "ui/charts/influence_chart_panel.h"
#include "ui/pages/quantity_rows.h"

#include <QLabel>
#include <QPushButton>

namespace kvor::ui {

QuantityPage::QuantityPage(AppContext& context, QWidget* parent)
    : PageSheet(QStringLiteral("TabSheet3"), parent), context_(context)
{
    makeLabel(this, QStringLiteral("Label25"), QStringLiteral("Vyhodnocované veličiny -  zadání příčinkové čáry"),
              {12, 10}, LabelStyle::BoldUnderlined);
    const struct {
        const char* name;
        const char* text;
        int x;
    } headings[] = {{"Label26", "Pořadí", 14},  {"Label27", "Název - popis", 70}, {"Label28", "Typ", 262},
                    {"Label29", "Stav", 418},   {"Label30", "Kreslit graf", 480}};
    for (const auto& h : headings)
        makeLabel(this, QString::fromUtf8(h.name), QString::fromUtf8(h.text), {h.x, 40}, LabelStyle::Underlined);

    rows_ = new QuantityRows(context_, this);
    BitBtn16 = addArrow(QStringLiteral("BitBtn16"), Arrow::Left);
    BitBtn17 = addArrow(QStringLiteral("BitBtn17"), Arrow::Right);

    BitBtn9 = makeButton(this, QStringLiteral("BitBtn9"), QStringLiteral("Graf"), {548, 6, 80, 25});
    connect(BitBtn9, &QPushButton::clicked, this, &QuantityPage::BitBtn9Click);
    // Between the arrows at the foot of the page, beneath the rows' controls.
    chartPanel_ = new InfluenceChartPanel(this);
    chartPanel_->move(35, 211);
    chartPanel_->lower();
}

void QuantityPage::BitBtn9Click()
{
    chartPanel_->draw(context_.project, context_.decimalSeparator, context_.messages);
}

}  // namespace kvor::ui
