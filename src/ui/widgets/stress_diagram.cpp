#include "ui/widgets/stress_diagram.h"

#include "model/numbers.h"
#include "ui/qt_text.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace kvor::ui {

namespace {

struct RowPen {
    QColor colour;
    Qt::PenStyle style;
};
// Transfer, characteristic, quasi-permanent.
const RowPen kPens[3] = {{QColor(0, 90, 200), Qt::SolidLine},
                         {QColor(200, 100, 0), Qt::DashLine},
                         {QColor(0, 140, 60), Qt::DotLine}};

}  // namespace

StressDiagram::StressDiagram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StressDiagram"));
    setMinimumSize(sizeHint());
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void StressDiagram::setCheck(const StressCheckTable& table, char decimalSeparator)
{
    table_ = table;
    separator_ = decimalSeparator;
    update();
}

void StressDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<CheckRow, 3> rows = governingRows(table_);

    long double low = 0, high = 0;
    for (CheckRow r : rows) {
        const StressCheckRow& row = table_.rows[static_cast<size_t>(r)];
        low = std::min({low, row.stressTop, row.stressBottom, row.limitMin});
        high = std::max({high, row.stressTop, row.stressBottom, row.limitMax});
    }
    if (high - low <= 0)
        return;
    const QRectF plot = QRectF(rect()).adjusted(70, 22, -270, -28);
    const auto xOf = [&](long double sigma) {
        return plot.left() + static_cast<double>((sigma - low) / (high - low)) * plot.width();
    };
    const double top = plot.top(), bottom = plot.bottom();

    // The section's depth and the zero line.
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.drawLine(QPointF(xOf(0), top - 10), QPointF(xOf(0), bottom + 10));
    painter.drawText(QPointF(4, top + 4),
                     QStringLiteral("e_h = %1 m").arg(toQString(formatNumber(table_.section.eTop, separator_))));
    painter.drawText(QPointF(4, bottom + 4),
                     QStringLiteral("e_d = %1 m").arg(toQString(formatNumber(table_.section.eBottom, separator_))));
    painter.drawText(QPointF(xOf(0) + 3, bottom + 22), QStringLiteral("σ [MPa], tah +"));

    for (size_t k = 0; k < rows.size(); ++k) {
        const StressCheckRow& row = table_.rows[static_cast<size_t>(rows[k])];
        QPen pen(kPens[k].colour, 2, kPens[k].style);
        painter.setPen(pen);
        const QPointF atTop(xOf(row.stressTop), top), atBottom(xOf(row.stressBottom), bottom);
        QPainterPath shape;
        shape.moveTo(xOf(0), top);
        shape.lineTo(atTop);
        shape.lineTo(atBottom);
        shape.lineTo(xOf(0), bottom);
        painter.drawPath(shape);
        pen.setWidth(1);
        painter.setPen(pen);
        for (long double limit : {row.limitMin, row.limitMax})
            painter.drawLine(QPointF(xOf(limit), top - 6), QPointF(xOf(limit), bottom + 6));
        painter.drawText(atTop + QPointF(3, -3), toQString(formatFixed(row.stressTop, 2, separator_)));
        painter.drawText(atBottom + QPointF(3, 12), toQString(formatFixed(row.stressBottom, 2, separator_)));

        // The legend: the row's name, its limits and whether it passes.
        const double y = top + 16.0 * static_cast<double>(k);
        const double x = plot.right() + 14;
        pen.setWidth(2);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 24, y));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPointF(x + 30, y + 4),
                         QStringLiteral("%1: %2").arg(QString::fromUtf8(kCheckRowNames[static_cast<size_t>(rows[k])]),
                                                      QString::fromUtf8(row.passes ? kPassesText : kFailsText)));
    }
    painter.drawText(QPointF(plot.right() + 14, top + 56), QStringLiteral("svislé čáry: meze σ_min, σ_max"));
}

}  // namespace kvor::ui
