#include "ui/report/report_figures.h"

#include "influence/influence_chart_data.h"
#include "model/chart_series.h"
#include "model/error.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "stressing/stressing_chart_data.h"
#include "structure/beam.h"
#include "tendons/tendon_chart_data.h"
#include "ui/qt_text.h"
#include "ui/charts/chart_line_view.h"
#include "ui/widgets/drawings.h"

#include <QPainter>

#include <algorithm>
#include <string>
#include <vector>

namespace kvor::ui {

namespace {

constexpr double kFigureWidthMm = 170;  // the text width of an A4 page less margins

// The beam as an engineer sketches it: the axis, a support at every member
// end named a, b, c, … and the span lengths beneath.
QImage beamImage(const Project& project, char sep)
{
    std::vector<std::string> spans;
    if (project.beam.kind == BeamKind::Simple)
        spans.push_back(project.beam.length);
    else
        for (int r = 1; r < project.beam.members.rowCount(); ++r)
            spans.emplace_back(project.beam.members.cell(r, 1));
    std::vector<long double> lengths;
    for (const std::string& span : spans)
        lengths.push_back(std::max<long double>(0, parseNumber(span, sep).value_or(0)));
    long double total = 0;
    for (long double length : lengths)
        total += length;

    QImage image(1800, 360, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    p.setFont(font);
    const double left = 90, right = 1710, axis = 140;
    p.setPen(QPen(Qt::black, 8));
    p.drawLine(QPointF(left, axis), QPointF(right, axis));
    double at = left;
    auto support = [&](double x, int index) {
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::white);
        const QPolygonF triangle({QPointF(x, axis + 4), QPointF(x - 22, axis + 44), QPointF(x + 22, axis + 44)});
        p.drawPolygon(triangle);
        p.drawLine(QPointF(x - 34, axis + 50), QPointF(x + 34, axis + 50));
        p.drawText(QRectF(x - 40, axis - 80, 80, 50), Qt::AlignCenter, QString(QChar('a' + index)));
    };
    support(at, 0);
    for (size_t i = 0; i < spans.size(); ++i) {
        const double width = total > 0 ? static_cast<double>(lengths[i] / total) * (right - left)
                                       : (right - left) / static_cast<double>(spans.size());
        p.setPen(QPen(Qt::darkGray, 2));
        p.drawLine(QPointF(at, axis + 90), QPointF(at + width, axis + 90));
        p.drawLine(QPointF(at, axis + 75), QPointF(at, axis + 105));
        p.drawLine(QPointF(at + width, axis + 75), QPointF(at + width, axis + 105));
        p.setPen(Qt::black);
        p.drawText(QRectF(at, axis + 100, width, 60), Qt::AlignCenter, toQString(spans[i]) + QStringLiteral(" m"));
        at += width;
        support(at, static_cast<int>(i) + 1);
    }
    return image;
}

QImage sectionImage(SectionType type)
{
    QImage image(570, 570, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSectionOutline(p, type, QRectF(0, 0, 570, 570));
    return image;
}

QImage chartImage(const ChartDrawing& drawing, const LineChartLook& look, char sep)
{
    LineChartView view(look, nullptr);
    view.setFrameShape(QFrame::NoFrame);
    view.setDecimalSeparator(sep);
    // The picture is as many pixels wide as the view: a line of tens of
    // thousands of points is drawn from the few it shows in each column.
    std::vector<ChartSeries> series = drawing.series;
    for (ChartSeries& s : series)
        s.points = pointsForColumns(s.points, look.size.width());
    view.showSeries(series, drawing.marks);
    return view.grab().toImage();
}

// One influence line or one tendon as its page charts it. Only what the
// chart reads is handed on: the beam (for a tendon also the section) and the
// one slot, drawn.
QImage slotImage(const Project& project, SlotKind kind, int slot, char sep)
{
    const size_t i = static_cast<size_t>(slot);
    const bool line = kind == SlotKind::Quantity;
    Project shown;
    shown.beam = project.beam;
    ChartDrawing drawing;
    if (line) {
        shown.quantities[i] = project.quantities[i];
        shown.quantities[i].draw = true;
        buildInfluenceChart(shown, sep, drawing);
    } else {
        shown.section = project.section;
        shown.tendons[i] = project.tendons[i];
        shown.tendons[i].draw = true;
        buildTendonChart(shown, sep, drawing);
    }
    return chartImage(drawing,
                      {QStringLiteral("ReportChart"), QSize(720, 250), QStringLiteral("staničení [m]"),
                       line ? QStringLiteral("pořadnice") : QStringLiteral("vzdálenost od n.osy e [m]"), !line,
                       QString()},
                      sep);
}

// The force along a stressed tendon, as its stressing window charts it.
QImage stressingImage(const Project& project, int slot, char sep)
{
    ChartDrawing drawing;
    try {
        const TendonStressingOutcome outcome = stressTendon(project.tendons[static_cast<size_t>(slot)], sep);
        if (!outcome.fault)
            drawing.series = stressingChartSeries(outcome);
    } catch (const Error&) {
    }
    return chartImage(drawing, {QStringLiteral("ReportChart"), QSize(720, 250), QStringLiteral("staničení [m]"),
                                QStringLiteral("síla v kabelu [kN]"), false, QString()},
                      sep);
}

}  // namespace

ReportImage reportFigure(const Project& project, ReportFigure figure, int slot, char sep)
{
    switch (figure) {
    case ReportFigure::Beam:
        return {beamImage(project, sep), kFigureWidthMm};
    case ReportFigure::Section:
        return {sectionImage(project.section.type), 50};
    case ReportFigure::InfluenceLine:
        return {slotImage(project, SlotKind::Quantity, slot, sep), kFigureWidthMm};
    case ReportFigure::TendonLayout:
        return {slotImage(project, SlotKind::Tendon, slot, sep), kFigureWidthMm};
    case ReportFigure::StressingForces:
        return {stressingImage(project, slot, sep), kFigureWidthMm};
    }
    return {QImage(), kFigureWidthMm};
}

}  // namespace kvor::ui
