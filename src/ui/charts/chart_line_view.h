#pragma once
// The line chart of the main window's two charts: a QChartView with a titled
// bottom and left axis, no chart title, a silver background, a lowered bevel
// and a fixed size. It renders a chart drawing's series; every showSeries
// replaces all series and scales both axes to the points: the stations
// exactly from the first to the last (the beam's ends), the values widened to
// ticks; ticks at multiples of 1, 2 or 5 × 10^n, also when zoomed. A legend
// right of the plot names the lines that carry a label; without any it is hidden.
//
// Drawn with the raster engine (no OpenGL) and without antialiasing, so the
// lines keep their exact colours. The points of a series are handed over in
// one replace() call, which keeps lines of 32750 points quick.

#include "model/chart_axis.h"
#include "model/chart_series.h"

#include <QChartView>
#include <QColor>
#include <QSize>
#include <QString>

#include <vector>

class QCategoryAxis;
class QValueAxis;

namespace kvor::ui {

struct LineChartLook {
    QString name;         // objectName: "Chart1", "Chart2"
    QSize size;           // fixed pixel size
    QString bottomTitle;  // "staničení [m]"
    QString leftTitle;
    bool leftAxisInverted = false;  // larger values downwards
    QString title;  // what the chart shows, as its heading says ("Grafy příčinkových čar")
};

// The screen colour of a chart colour: red, blue, green (#008000), maroon
// (#800000), black.
QColor chartColour(ChartColour colour);
// The background of the charts and their plot area.
QColor chartBackground();

class LineChartView : public QChartView {
    Q_OBJECT
public:
    LineChartView(const LineChartLook& look, QWidget* parent);

    // Removes every series the chart showed and adds one line per series, in
    // list order (later on top), named and coloured as given, in the legend
    // by its label; then the marks, each point a small circle of its series'
    // colour, not joined. The chart is laid out for its new ticks at once, so
    // that a picture taken before the next event shows every label whole.
    void showSeries(const std::vector<ChartSeries>& series, const std::vector<ChartSeries>& marks = {});

    // Value axes whose ticks are labelled categories: each tick's text is
    // written by the program's number formatting, with its decimal separator.
    QValueAxis* bottomAxis() const;
    QValueAxis* leftAxis() const;
    // The scales the axes are ticked by now (after a zoom, the zoomed ones).
    const AxisScale& bottomScale() const { return bottomScale_; }
    const AxisScale& leftScale() const { return leftScale_; }

    // Tick labels with this decimal separator, as every other number shows.
    void setDecimalSeparator(char decimalSeparator);
    char decimalSeparator() const { return decimalSeparator_; }

    // The unit of the values up the chart, for a read-out ("" for none).
    void setValueUnit(const QString& unit) { valueUnit_ = unit; }
    const QString& valueUnit() const { return valueUnit_; }

    // What the chart was made with and shows now: a larger copy is drawn from these.
    const LineChartLook& look() const { return look_; }
    const std::vector<ChartSeries>& shownSeries() const { return series_; }
    const std::vector<ChartSeries>& shownMarks() const { return marks_; }

private:
    void scaleAxes(const std::vector<ChartSeries>& series);
    // Ticks for a range the axis took (a zoom, a pan, a reset).
    void tickRange(QCategoryAxis* axis, AxisScale& scale, int maxTicks, qreal min, qreal max);
    void labelTicks(QCategoryAxis* axis, const AxisScale& scale) const;
    void showLegend();
    // The chart's items take the room their texts need now, not at the next event.
    void layOutNow();

    QCategoryAxis* bottomAxis_;
    QCategoryAxis* leftAxis_;
    LineChartLook look_;
    std::vector<ChartSeries> series_;
    std::vector<ChartSeries> marks_;
    AxisScale bottomScale_{};
    AxisScale leftScale_{};
    char decimalSeparator_ = '.';
    QString valueUnit_;
};

}  // namespace kvor::ui
