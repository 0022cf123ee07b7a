#pragma once
// Charts out of the program: every line chart gets a context menu with
// "Uložit jako PNG…", "Uložit jako SVG…" and "Zvětšit", which opens the same
// chart in a resizable window with zoom (wheel, rectangle), pan, a reset and a
// read-out of the station and value under the cursor.

#include <QChartView>
#include <QString>

class QLabel;

namespace kvor::ui {

class LineChartView;
class MessageService;

void addChartExport(LineChartView* view, MessageService& messages);

// The chart as a picture file; throws kvor::Error when it cannot be written.
void saveChartAsPng(QWidget& view, const QString& path);
void saveChartAsSvg(QWidget& view, const QString& path);

// The larger chart of "Zvětšit": a copy of the chart's series that can be
// zoomed and panned without changing the chart it came from.
class ChartZoomWindow : public QWidget {
    Q_OBJECT
public:
    ChartZoomWindow(const LineChartView& source, QWidget* parent = nullptr);

    LineChartView* chartView() const { return view_; }
    // "x = 12,5 m   y = 0,25 m" for a point of the plot area in view
    // coordinates: the y unit of the chart's lines, and as many digits as a
    // pixel of each scale can tell apart. Empty outside the plot area.
    QString readOut(const QPoint& viewPoint) const;
    void resetView();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LineChartView* view_;
    QLabel* readOut_;
    QPoint panFrom_;
    bool panning_ = false;
};

}  // namespace kvor::ui
