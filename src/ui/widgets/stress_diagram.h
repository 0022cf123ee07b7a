#pragma once
// The engineer's sketch of a checked section: the stress over the section's
// depth (top fibre e_h up, bottom fibre e_d down; tension to the right) for
// the governing rows of the check, each a straight line between its fibre
// stresses, with the row's limits as vertical lines in the same pen. The pens
// differ in their dashes as well as their colours, so the sketch reads in
// black and white.

#include "check/stress_check.h"

#include <QWidget>

namespace kvor::ui {

class StressDiagram : public QWidget {
    Q_OBJECT
public:
    explicit StressDiagram(QWidget* parent = nullptr);

    void setCheck(const StressCheckTable& table, char decimalSeparator);

    QSize sizeHint() const override { return {560, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StressCheckTable table_;
    char separator_ = ',';
};

}  // namespace kvor::ui
