#pragma once
// A chart of the main window with its title above it and the red warning
// panel in its place: what the "Graf" and "Vykresli" commands show. The title
// and the chart stay hidden until the first drawing.
//
// One drawing command:
//   - nothing chosen: title and chart hidden, warning panel shown, a beep;
//   - otherwise: warning panel hidden, title and chart shown, every series
//     replaced by the drawing's; then, if the drawing reports it, the
//     structure page comes to the front, its length field or member table
//     takes the focus, and "Zadejte tvar konstrukce" is shown;
//   - a conversion failure: the series built up to the failure are shown,
//     then the error box.

#include "model/chart_series.h"
#include "model/project.h"
#include "ui/charts/chart_line_view.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;

namespace kvor::ui {

class ChartWarningPanel;
class MessageService;

// Builds a drawing from the project; throws kvor::Error with `drawing` holding
// what was built before the failure.
using ChartBuilder = void (*)(const Project& project, char decimalSeparator, ChartDrawing& drawing);

struct ChartPanelSetup {
    QString titleName;  // objectName of the title label: "Label46", "Label51"
    QString title;
    LineChartLook chart;
    QString warningName;  // "Panel2", "Panel3"
    std::array<QString, 3> warningLines;
    QString warningBackName;  // "BitBtn12", "BitBtn27"
    ChartBuilder build;
};

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    ChartPanel(const ChartPanelSetup& setup, QWidget* parent);

    // Selects a page of the main window (0-based); used for "Zadejte tvar konstrukce".
    void setPageSelector(std::function<void(int page)> selectPage) { selectPage_ = std::move(selectPage); }

    // The drawing command on the current state of the project.
    void draw(const Project& project, char decimalSeparator, MessageService& messages);

    QLabel* title() const { return title_; }
    LineChartView* chartView() const { return view_; }
    ChartWarningPanel* warningPanel() const { return warning_; }

private:
    void showChart(const ChartDrawing& drawing);
    void showWarning(MessageService& messages);
    void goToStructure(const Report& report, MessageService& messages);

    ChartBuilder build_;
    QLabel* title_;
    LineChartView* view_;
    ChartWarningPanel* warning_;
    std::function<void(int)> selectPage_;
};

}  // namespace kvor::ui
