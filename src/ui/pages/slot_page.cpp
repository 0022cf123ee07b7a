#include "ui/pages/slot_page.h"

#include "ui/charts/slot_chart_panel.h"
#include "ui/pages/slot_rows.h"

#include <QLabel>
#include <QPushButton>

namespace kvor::ui {

SlotPage::SlotPage(AppContext& context, const QString& name, const QString& headingName, const QString& heading,
                   const SlotRowsLayout& layout, QWidget* parent)
    : PageSheet(name, parent), context_(context), kind_(layout.kind)
{
    makeLabel(this, headingName, heading, {12, 10}, LabelStyle::BoldUnderlined);
    rows_ = new SlotRows(context_, this, layout);
}

void SlotPage::addDrawButton(const QString& name, const QString& caption, const QRect& geometry)
{
    QPushButton* button = makeButton(this, name, caption, geometry);
    connect(button, &QPushButton::clicked, this, &SlotPage::drawChart);
}

void SlotPage::addChart(QPoint at)
{
    chartPanel_ = new SlotChartPanel(kind_, this);
    chartPanel_->move(at);
    chartPanel_->lower();
}

void SlotPage::drawChart()
{
    chartPanel_->draw(context_.project, context_.decimalSeparator, context_.messages);
}

}  // namespace kvor::ui
