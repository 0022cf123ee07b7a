#pragma once
// The line chart of the main window's two charts: a QChartView with a titled
// bottom and left axis, no chart title, no legend, a silver background, a
// lowered bevel and a fixed size. It renders a chart drawing's series; every
// showSeries replaces all series and scales both axes to the points.
//
// Drawn with the raster engine (no OpenGL) and without antialiasing, so the
// lines keep their exact colours. The points of a series are handed over in
// one replace() call, which keeps lines of 32750 points quick.

#include "model/chart_series.h"

#include <QChartView>
#include <QColor>
#include <QSize>
#include <QString>

#include <vector>

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
    // list order (later on top), named and coloured as given; then the marks,
    // each point a small circle of its series' colour, not joined.
    void showSeries(const std::vector<ChartSeries>& series, const std::vector<ChartSeries>& marks = {});

    QValueAxis* bottomAxis() const { return bottomAxis_; }
    QValueAxis* leftAxis() const { return leftAxis_; }

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

    QValueAxis* bottomAxis_;
    QValueAxis* leftAxis_;
    LineChartLook look_;
    std::vector<ChartSeries> series_;
    std::vector<ChartSeries> marks_;
    char decimalSeparator_ = '.';
    QString valueUnit_;
};

}  // namespace kvor::ui
