#pragma once
// What the quantity page and the tendon page share: the page's heading, the
// five slot rows below their column headings, the left arrow, and the chart
// of the chosen slots at the foot of the page, drawn by the page's drawing
// command. What a page has besides (its arrows, its buttons on the title
// line) is its own.

#include "model/slots.h"
#include "ui/app_context.h"
#include "ui/pages/page_sheet.h"

class QPushButton;

namespace kvor::ui {

class SlotChartPanel;
class SlotRows;
struct SlotRowsLayout;

class SlotPage : public PageSheet {
    Q_OBJECT
public:
    QPushButton* leftArrow() const { return backArrow_; }
    // The five rows with "Další" and "Zpět".
    SlotRows* rows() const { return rows_; }
    // The chart of the chosen slots at the foot of the page.
    SlotChartPanel* chartPanel() const { return chartPanel_; }
    // The page's drawing command ("Graf", "Vykresli"): the chosen slots.
    void drawChart();

    // Where the slot rows begin: the first row's top edge, below the headings.
    static constexpr int kFirstRowTop = 62;
    static constexpr int kRowPitch = 32;

protected:
    // The page `name` with its bold underlined heading (the label
    // `headingName`) and the rows of `layout`; the page adds its own controls
    // next, then its chart by addChart().
    SlotPage(AppContext& context, const QString& name, const QString& headingName, const QString& heading,
             const SlotRowsLayout& layout, QWidget* parent);

    // The page's drawing command's button, which draws the chosen slots.
    void addDrawButton(const QString& name, const QString& caption, const QRect& geometry);
    // The chart of the slots at `at`, beneath the page's other controls.
    void addChart(QPoint at);

    AppContext& context_;
    QPushButton* backArrow_ = nullptr;

private:
    SlotKind kind_;
    SlotRows* rows_;
    SlotChartPanel* chartPanel_ = nullptr;
};

}  // namespace kvor::ui
