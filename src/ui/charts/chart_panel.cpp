#include "ui/charts/chart_panel.h"

#include "model/error.h"
#include "ui/charts/chart_warning_panel.h"
#include "ui/field_controls.h"
#include "ui/message_service.h"

#include <QLabel>

namespace kvor::ui {

namespace {

constexpr int kTitleHeight = 18;

}  // namespace

ChartPanel::ChartPanel(const ChartPanelSetup& setup, QWidget* parent)
    : QWidget(parent),
      build_(setup.build),
      title_(new QLabel(setup.title, this)),
      view_(new LineChartView(setup.chart, this)),
      warning_(new ChartWarningPanel(setup.warningName, setup.warningLines, setup.warningBackName, this))
{
    const QSize chartSize = setup.chart.size;
    setFixedSize(chartSize.width(), kTitleHeight + chartSize.height());

    title_->setObjectName(setup.titleName);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setGeometry(0, 0, chartSize.width(), kTitleHeight);

    const QRect chartPlace(QPoint(0, kTitleHeight), chartSize);
    view_->setGeometry(chartPlace);
    warning_->setGeometry(chartPlace);

    title_->hide();
    view_->hide();
}

void ChartPanel::draw(const Project& project, char sep, MessageService& messages)
{
    messages.runCommand([&] {
        ChartDrawing drawing;
        try {
            build_(project, sep, drawing);
        } catch (const Error&) {
            showChart(drawing);  // what was drawn before the failure stays drawn
            throw;
        }
        if (drawing.nothingChosen) {
            showWarning(messages);
            return;
        }
        showChart(drawing);
        if (drawing.report)
            goToStructure(*drawing.report, messages);
    });
}

void ChartPanel::showChart(const ChartDrawing& drawing)
{
    warning_->hide();
    title_->show();
    view_->show();
    view_->showSeries(drawing.series, drawing.marks);
    view_->setValueUnit(QString::fromStdString(drawing.valueUnit));
}

void ChartPanel::showWarning(MessageService& messages)
{
    title_->hide();
    view_->hide();
    warning_->show();
    warning_->raise();
    messages.beep();
}

void ChartPanel::goToStructure(const Report& report, MessageService& messages)
{
    // The structure page comes to the front first, so that its field can take
    // the focus before the message box comes up.
    if (report.page && selectPage_)
        selectPage_(pageIndex(*report.page));
    messages.showReport(report, window());
}

}  // namespace kvor::ui
