#pragma once
// Charts out of the program: every line chart gets a context menu with
// "Uložit jako PNG…", "Uložit jako SVG…" and "Zvětšit", which opens the same
// chart in a resizable window with zoom (wheel, rectangle), pan, a reset and a
// read-out of the station and value under the cursor.
//
// A PNG is made for print: after the file, a small dialog asks its printed
// size and resolution, proposing the width of a report figure (170 mm), the
// height the chart's proportions give, and 300 dpi; the picture records its
// resolution, so a word processor places it at that size.

#include "model/print_size.h"

#include <QChartView>
#include <QDialog>
#include <QImage>
#include <QString>

#include <optional>

class QLabel;
class QSpinBox;
class QPushButton;

namespace kvor::ui {

class LineChartView;
class MessageService;

void addChartExport(LineChartView* view, MessageService& messages);

// The chart drawn again at a printed size: laid out as a chart of that size
// on a screen of 96 dpi (its texts and lines keep their proportions) and
// painted at the resolution asked, which the picture records.
QImage chartPicture(const LineChartView& view, const PrintSize& size);

// The chart as a picture file; throws kvor::Error when it cannot be written.
void saveChartAsPng(const LineChartView& view, const PrintSize& size, const QString& path);
void saveChartAsSvg(QWidget& view, const QString& path);

// "Velikost obrázku": the printed width and height [mm] and the resolution
// [dpi] of a PNG, with the pixels they make; OK is disabled while the picture
// would be too large.
class PrintSizeDialog : public QDialog {
    Q_OBJECT
public:
    PrintSizeDialog(const PrintSize& proposed, QWidget* parent = nullptr);

    PrintSize printSize() const;

private:
    void showPixels();

    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* dpi_;
    QLabel* pixels_;
    QPushButton* ok_;
};

// The larger chart of "Zvětšit": a copy of the chart's series that can be
// zoomed and panned without changing the chart it came from.
class ChartZoomWindow : public QWidget {
    Q_OBJECT
public:
    ChartZoomWindow(const LineChartView& source, QWidget* parent = nullptr);

    LineChartView* chartView() const { return view_; }
    // "x = 12,35 m   y = 0,253 m" for a point of the plot area in view
    // coordinates: the y unit of the chart's lines, each value to a tenth of
    // the step between its axis's ticks as shown now. Empty outside the plot area.
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
