#include "ui/charts/chart_line_view.h"

#include "model/numbers.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QValueAxis>

#include <cmath>

namespace kvor::ui {

namespace {

// Room above and below the highest and lowest point, so lines at the extremes
// (the fibres of the tendon chart) are not drawn on the plot frame.
constexpr long double kVerticalMargin = 0.05L;

// At most this many ticks along the stations and up the values: labels of a
// few digits stay apart on the 566 × 161 pixel charts, and fibres at ±0,5 m
// are ticked every 0,2 m rather than within ±1 m.
constexpr int kBottomTicks = 8;
constexpr int kLeftTicks = 7;

bool sameRange(const AxisScale& scale, qreal min, qreal max)
{
    const long double tolerance = (scale.max - scale.min) * 1e-9L;
    return std::fabs(min - scale.min) <= tolerance && std::fabs(max - scale.max) <= tolerance;
}

// Small enough that the left axis title fits the height of the 161-pixel chart.
QFont axisFont(QFont font)
{
    font.setBold(false);
    font.setPixelSize(9);
    return font;
}

QCategoryAxis* makeAxis(const QString& title, const QFont& windowFont)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(title);
    QFont titleFont = axisFont(windowFont);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 92);
    axis->setTitleFont(titleFont);
    axis->setLabelsFont(axisFont(windowFont));
    axis->setGridLineColor(QColor(0x80, 0x80, 0x80));
    axis->setLabelsColor(Qt::black);
    axis->setTitleBrush(Qt::black);
    // A tick's number is never cut to "-...": the ticks are few enough for
    // their labels to stand apart, and Qt would cut a label higher than a
    // share of the axis smaller than the step between two ticks.
    axis->setTruncateLabels(false);
    return axis;
}

}  // namespace

QColor chartColour(ChartColour colour)
{
    switch (colour) {
    case ChartColour::Red:
        return QColor(0xFF, 0x00, 0x00);
    case ChartColour::Blue:
        return QColor(0x00, 0x00, 0xFF);
    case ChartColour::Green:
        return QColor(0x00, 0x80, 0x00);
    case ChartColour::Maroon:
        return QColor(0x80, 0x00, 0x00);
    case ChartColour::Black:
        break;
    }
    return QColor(0x00, 0x00, 0x00);
}

QColor chartBackground()
{
    return QColor(0xC0, 0xC0, 0xC0);
}

LineChartView::LineChartView(const LineChartLook& look, QWidget* parent)
    : QChartView(parent),
      bottomAxis_(makeAxis(look.bottomTitle, font())),
      leftAxis_(makeAxis(look.leftTitle, font())),
      look_(look)
{
    setObjectName(look.name);
    setFixedSize(look.size);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setRenderHint(QPainter::Antialiasing, false);

    auto* chart = new QChart;
    QLegend* legend = chart->legend();
    // Beside the plot: above it, it would take the height the axis title and
    // the tick labels of the 161-pixel charts need, and five names stand in a column.
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(axisFont(font()));
    legend->setLabelColor(Qt::black);
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    legend->setBackgroundVisible(false);
    legend->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(chartBackground());
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setPlotAreaBackgroundBrush(chartBackground());
    chart->setPlotAreaBackgroundVisible(true);
    // Room above the plot for the upper half of its top tick's label.
    chart->setMargins(QMargins(0, 6, 6, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    bottomAxis_->setLineVisible(false);  // the beam's axis line is a series of its own
    leftAxis_->setReverse(look.leftAxisInverted);
    chart->addAxis(bottomAxis_, Qt::AlignBottom);
    chart->addAxis(leftAxis_, Qt::AlignLeft);
    connect(bottomAxis_, &QValueAxis::rangeChanged, this,
            [this](qreal min, qreal max) { tickRange(bottomAxis_, bottomScale_, kBottomTicks, min, max); });
    connect(leftAxis_, &QValueAxis::rangeChanged, this,
            [this](qreal min, qreal max) { tickRange(leftAxis_, leftScale_, kLeftTicks, min, max); });
    // setChart releases the chart the view was created with: it is ours to delete.
    QChart* initialChart = this->chart();
    setChart(chart);
    delete initialChart;

    scaleAxes({});
}

void LineChartView::setDecimalSeparator(char decimalSeparator)
{
    decimalSeparator_ = decimalSeparator;
    labelTicks(bottomAxis_, bottomScale_);
    labelTicks(leftAxis_, leftScale_);
    layOutNow();
}

QValueAxis* LineChartView::bottomAxis() const
{
    return bottomAxis_;
}

QValueAxis* LineChartView::leftAxis() const
{
    return leftAxis_;
}

void LineChartView::showSeries(const std::vector<ChartSeries>& series, const std::vector<ChartSeries>& marks)
{
    series_ = series;
    marks_ = marks;
    QChart* chart = this->chart();
    chart->removeAllSeries();
    // The axes take their ranges before any line is attached: every change of
    // range recomputes the geometry of every attached line.
    scaleAxes(series);
    for (const ChartSeries& s : series) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.points.size()));
        for (const ChartPoint& p : s.points)
            points.append(QPointF(static_cast<double>(p.x), static_cast<double>(p.y)));

        auto* line = new QLineSeries;
        const QString name = QString::fromStdString(s.name);
        line->setName(name);
        line->setObjectName(name);
        line->setUseOpenGL(false);
        QPen pen(chartColour(s.colour));
        pen.setWidth(1);
        line->setPen(pen);
        chart->addSeries(line);
        line->attachAxis(bottomAxis_);
        line->attachAxis(leftAxis_);
        // The points come last and in one call: the line's geometry (a stroked
        // outline of all its segments) is then computed once, not per point,
        // per attached axis or per change of range.
        line->replace(points);
    }
    for (const ChartSeries& s : marks) {
        auto* dots = new QScatterSeries;
        const QString name = QString::fromStdString(s.name);
        dots->setName(name);
        dots->setObjectName(name);
        dots->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        dots->setMarkerSize(6);
        dots->setColor(chartColour(s.colour));
        dots->setBorderColor(chartColour(s.colour));
        chart->addSeries(dots);
        dots->attachAxis(bottomAxis_);
        dots->attachAxis(leftAxis_);
        for (const ChartPoint& p : s.points)
            dots->append(QPointF(static_cast<double>(p.x), static_cast<double>(p.y)));
    }
    showLegend();
    layOutNow();
}

void LineChartView::showLegend()
{
    QChart* chart = this->chart();
    const QList<QAbstractSeries*> shown = chart->series();  // the lines in order, then the marks
    bool any = false;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool line = i < static_cast<qsizetype>(series_.size());
        const QString label = line ? QString::fromStdString(series_[static_cast<size_t>(i)].label) : QString();
        for (QLegendMarker* marker : chart->legend()->markers(shown[i])) {
            marker->setLabel(label);
            marker->setVisible(!label.isEmpty());
        }
        any = any || !label.isEmpty();
    }
    chart->legend()->setVisible(any);
}

void LineChartView::layOutNow()
{
    if (QGraphicsLayout* layout = chart()->layout())
        layout->activate();
}

void LineChartView::scaleAxes(const std::vector<ChartSeries>& series)
{
    const ChartRanges ranges = chartRanges(series);
    const long double margin = (ranges.y.max - ranges.y.min) * kVerticalMargin;
    // The scales are kept before the ranges change, so the handlers of the
    // change find them and keep their ticks.
    bottomScale_ = spanScale(ranges.x.min, ranges.x.max, kBottomTicks);
    leftScale_ = niceScale(ranges.y.min - margin, ranges.y.max + margin, kLeftTicks);
    labelTicks(bottomAxis_, bottomScale_);
    labelTicks(leftAxis_, leftScale_);
    bottomAxis_->setRange(static_cast<double>(bottomScale_.min), static_cast<double>(bottomScale_.max));
    leftAxis_->setRange(static_cast<double>(leftScale_.min), static_cast<double>(leftScale_.max));
}

void LineChartView::tickRange(QCategoryAxis* axis, AxisScale& scale, int maxTicks, qreal min, qreal max)
{
    if (sameRange(scale, min, max))
        return;
    scale = spanScale(min, max, maxTicks);
    labelTicks(axis, scale);
}

void LineChartView::labelTicks(QCategoryAxis* axis, const AxisScale& scale) const
{
    // The axis keeps its range; only its ticks and their texts are replaced.
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(static_cast<double>(scale.min));
    for (long double tick : scale.ticks())
        axis->append(QString::fromStdString(formatFixed(tick, scale.decimals, decimalSeparator_)),
                     static_cast<double>(tick));
}

}  // namespace kvor::ui
