#include "ui/charts/chart_export.h"

#include "model/error.h"
#include "model/numbers.h"
#include "ui/charts/chart_line_view.h"
#include "ui/export_name.h"
#include "ui/message_service.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace kvor::ui {

namespace {

constexpr double kWheelZoomStep = 1.25;

[[noreturn]] void cannotWrite(const QString& path)
{
    throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat");
}

// Named after what the chart shows: its heading, else its value axis.
QString proposedPath(const LineChartView& view, const char* suffix)
{
    const QString shown = view.look().title.isEmpty() ? view.look().leftTitle : view.look().title;
    return proposedExportPath(view, shown, QString::fromLatin1(suffix));
}

}  // namespace

void saveChartAsPng(QWidget& view, const QString& path)
{
    if (!view.grab().save(path, "PNG"))
        cannotWrite(path);
}

void saveChartAsSvg(QWidget& view, const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view.size());
    svg.setViewBox(QRect(QPoint(0, 0), view.size()));
    // The picture's title is what the chart shows, as its file name is.
    const auto* chart = qobject_cast<const LineChartView*>(&view);
    svg.setTitle(chart && !chart->look().title.isEmpty() ? chart->look().title : QStringLiteral("Kvor1.1"));
    svg.setDescription(QStringLiteral("Kvor1.1"));
    QPainter painter;
    if (!painter.begin(&svg))
        cannotWrite(path);
    view.render(&painter);
    if (!painter.end())
        cannotWrite(path);
}

void addChartExport(LineChartView* view, MessageService& messages)
{
    auto addAction = [view](const QString& name, const QString& text, auto handler) {
        auto* action = new QAction(text, view);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, view, handler);
        view->addAction(action);
    };
    addAction(QStringLiteral("savePngAction"), QStringLiteral("Uložit jako PNG…"), [view, &messages] {
        const QString path = messages.chooseSaveFile(QStringLiteral("Uložit jako PNG"), proposedPath(*view, ".png"),
                                                     QStringLiteral("Obrázek PNG (*.png)"));
        if (!path.isEmpty())
            messages.runCommand([&] { saveChartAsPng(*view, path); });
    });
    addAction(QStringLiteral("saveSvgAction"), QStringLiteral("Uložit jako SVG…"), [view, &messages] {
        const QString path = messages.chooseSaveFile(QStringLiteral("Uložit jako SVG"), proposedPath(*view, ".svg"),
                                                     QStringLiteral("Obrázek SVG (*.svg)"));
        if (!path.isEmpty())
            messages.runCommand([&] { saveChartAsSvg(*view, path); });
    });
    addAction(QStringLiteral("zoomAction"), QStringLiteral("Zvětšit"), [view] {
        // The window deletes itself when closed; the chart it shows is a copy.
        auto* window = new ChartZoomWindow(*view);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

ChartZoomWindow::ChartZoomWindow(const LineChartView& source, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartZoomWindow"));
    // Named after what the chart shows, as its heading in the window says.
    const QString shown = source.look().title.isEmpty() ? source.look().leftTitle.trimmed() : source.look().title;
    setWindowTitle(QStringLiteral("Kvor1.1 – ") + shown);
    LineChartLook look = source.look();
    look.name = QStringLiteral("ZoomChart");
    view_ = new LineChartView(look, this);
    // Free to grow with the window, unlike the fixed charts of the main window.
    view_->setMinimumSize(320, 200);
    view_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    view_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    view_->setDecimalSeparator(source.decimalSeparator());
    view_->setValueUnit(source.valueUnit());
    view_->setRenderHint(QPainter::Antialiasing, true);
    view_->showSeries(source.shownSeries(), source.shownMarks());
    view_->setRubberBand(QChartView::RectangleRubberBand);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);  // the arrow keys come to the view itself
    view_->setFocusPolicy(Qt::StrongFocus);

    readOut_ = new QLabel(this);
    readOut_->setObjectName(QStringLiteral("ReadOut"));
    readOut_->setMinimumWidth(260);
    auto* reset = new QPushButton(QStringLiteral("Původní zobrazení"), this);
    reset->setObjectName(QStringLiteral("ResetButton"));
    connect(reset, &QPushButton::clicked, this, &ChartZoomWindow::resetView);
    auto* hint = new QLabel(QStringLiteral("kolečko: zvětšení, tažení: výřez, prostřední tlačítko nebo šipky: posun"),
                            this);
    hint->setObjectName(QStringLiteral("Hint"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(readOut_);
    bar->addStretch();
    bar->addWidget(hint);
    bar->addWidget(reset);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(bar);
    resize(1000, 560);
}

QString ChartZoomWindow::readOut(const QPoint& viewPoint) const
{
    QChart* chart = view_->chart();
    const QPointF scenePoint = view_->mapToScene(viewPoint);
    const QPointF chartPoint = chart->mapFromScene(scenePoint);
    if (!chart->plotArea().contains(chartPoint))
        return {};
    const QPointF value = chart->mapToValue(chartPoint);
    // As many digits as one pixel of the scale can tell apart.
    const QPointF pixel = chart->mapToValue(chartPoint + QPointF(1, 1)) - value;
    const char sep = view_->decimalSeparator();
    const auto shown = [sep](double v, double step) {
        return QString::fromStdString(formatToResolution(v, std::fabs(step), sep));
    };
    QString text = QStringLiteral("x = %1 m   y = %2").arg(shown(value.x(), pixel.x()), shown(value.y(), pixel.y()));
    if (!view_->valueUnit().isEmpty())
        text += QLatin1Char(' ') + view_->valueUnit();
    return text;
}

void ChartZoomWindow::resetView()
{
    view_->chart()->zoomReset();
}

bool ChartZoomWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_->viewport() && watched != view_)
        return QWidget::eventFilter(watched, event);
    QChart* chart = view_->chart();
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().y() != 0)
            chart->zoom(wheel->angleDelta().y() > 0 ? kWheelZoomStep : 1 / kWheelZoomStep);
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::MiddleButton) {
            panning_ = true;
            panFrom_ = mouse->position().toPoint();
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (panning_) {
            const QPoint step = at - panFrom_;
            chart->scroll(-step.x(), step.y());
            panFrom_ = at;
        }
        readOut_->setText(readOut(at));
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
            panning_ = false;
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const qreal step = 20;
        if (key == Qt::Key_Left)
            chart->scroll(-step, 0);
        else if (key == Qt::Key_Right)
            chart->scroll(step, 0);
        else if (key == Qt::Key_Up)
            chart->scroll(0, step);
        else if (key == Qt::Key_Down)
            chart->scroll(0, -step);
        else
            break;
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvor::ui
