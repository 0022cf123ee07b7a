#pragma once
// "Účinky zatížení" (`Form16`), opened from the result window: what the loads
// of the project do to each entered quantity through its influence line. The
// loads in `Label3`; the table `StringGrid1` (the quantity, its unit, G0, G1,
// Q+, Q−, T+ with its position p and direction d, T− likewise); under it the
// chart `Chart1` of the current row's line with the axles of T+ and T− as
// arrows, shown while `CheckBox1` is ticked; "Zpět" `BitBtn1`. Without loads,
// or when they cannot be computed, `Label2` says why instead of the table.
//
// Computed anew from the project each time the window is shown: the loads
// need the stored lines and the beam, not an evaluation.

#include "loads/project_loads.h"
#include "model/text_table.h"
#include "ui/windows/working_tables_window.h"

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvor::ui {

class LineChartView;
class WorkingGrid;

class LoadEffectsWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    explicit LoadEffectsWindow(AppContext& context, QWidget* parent = nullptr);

    // Computes the effects of the project's loads and shows them.
    void loadFromModel() override;

    WorkingGrid* grid() const { return grid_; }
    LineChartView* chartView() const { return chart_; }
    // The quantities shown (rows of the table).
    int shownRowCount() const { return static_cast<int>(effects_.size()); }

signals:
    void resultWindowRequested();

protected:
    void goBack() override;

private:
    // The chart of the row (0-based) of the table; nothing for -1.
    void showChart(int row);

    std::vector<QuantityLoadEffects> effects_;
    std::vector<LinePoints> lines_;
    AxleGroup axles_;
    long double totalLength_ = 0;
    TextTable table_;
    int chartRow_ = -1;

    QLabel* message_;    // why nothing is shown
    QLabel* loadsLine_;  // the loads
    WorkingGrid* grid_;
    QCheckBox* showAxles_;
    QLabel* chartTitle_;
    LineChartView* chart_;
    QLabel* legend_;     // what the arrows are
    QPushButton* backButton_;
};

}  // namespace kvor::ui
