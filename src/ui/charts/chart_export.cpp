#include "ui/charts/chart_export.h"

#include "model/error.h"
#include "model/numbers.h"
#include "ui/charts/chart_line_view.h"
#include "ui/export_name.h"
#include "ui/message_service.h"

#include <QAction>
#include <QChart>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <string>

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

QImage chartPicture(const LineChartView& view, const PrintSize& size)
{
    // Texts and lines as on a screen of 96 dpi, scaled up to the resolution.
    constexpr int kLayoutDpi = 96;
    const QSize layoutSize(printPixels(size.widthMm, kLayoutDpi), printPixels(size.heightMm, kLayoutDpi));
    LineChartLook look = view.look();
    look.name = QStringLiteral("PrintedChart");
    look.size = layoutSize;
    LineChartView copy(look, nullptr);
    copy.setFrameShape(QFrame::NoFrame);
    copy.setDecimalSeparator(view.decimalSeparator());
    copy.setValueUnit(view.valueUnit());
    copy.showSeries(view.shownSeries(), view.shownMarks());
    // Never shown: the chart takes the copy's size here, not at a resize event.
    QChart* chart = copy.chart();
    chart->resize(QSizeF(layoutSize));
    if (QGraphicsLayout* layout = chart->layout())
        layout->activate();

    QImage image(printPixels(size.widthMm, size.dpi), printPixels(size.heightMm, size.dpi), QImage::Format_RGB32);
    if (image.isNull())
        throw Error("Obrázek " + std::to_string(printPixels(size.widthMm, size.dpi)) + " × " +
                    std::to_string(printPixels(size.heightMm, size.dpi)) + " pixelů nelze vytvořit");
    image.setDotsPerMeterX(dotsPerMetre(size.dpi));
    image.setDotsPerMeterY(dotsPerMetre(size.dpi));
    image.fill(chartBackground());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    copy.scene()->render(&painter, QRectF(image.rect()), QRectF(QPointF(0, 0), QSizeF(layoutSize)),
                         Qt::IgnoreAspectRatio);
    return image;
}

void saveChartAsPng(const LineChartView& view, const PrintSize& size, const QString& path)
{
    if (!chartPicture(view, size).save(path, "PNG"))
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
        if (path.isEmpty())
            return;
        PrintSizeDialog dialog(printSizeOf(view->width(), view->height()), view->window());
        if (dialog.exec() == QDialog::Accepted)
            messages.runCommand([&] { saveChartAsPng(*view, dialog.printSize(), path); });
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

PrintSizeDialog::PrintSizeDialog(const PrintSize& proposed, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintSizeDialog"));
    setWindowTitle(QStringLiteral("Velikost obrázku"));
    const auto spinBox = [this](const char* name, int min, int max, int value, const QString& suffix) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(min, max);
        box->setValue(value);
        box->setSuffix(suffix);
        connect(box, &QSpinBox::valueChanged, this, &PrintSizeDialog::showPixels);
        return box;
    };
    width_ = spinBox("WidthEdit", 10, 2000, proposed.widthMm, QStringLiteral(" mm"));
    height_ = spinBox("HeightEdit", 10, 2000, proposed.heightMm, QStringLiteral(" mm"));
    dpi_ = spinBox("ResolutionEdit", 50, 2400, proposed.dpi, QStringLiteral(" dpi"));
    pixels_ = new QLabel(this);
    pixels_->setObjectName(QStringLiteral("PixelsLabel"));
    auto* note = new QLabel(QStringLiteral("Navrženo: šířka obrázku v protokolu, rozlišení pro tisk."), this);
    note->setObjectName(QStringLiteral("NoteLabel"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Šířka:"), width_);
    form->addRow(QStringLiteral("Výška:"), height_);
    form->addRow(QStringLiteral("Rozlišení:"), dpi_);
    form->addRow(QString(), pixels_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showPixels();
}

PrintSize PrintSizeDialog::printSize() const
{
    return {width_->value(), height_->value(), dpi_->value()};
}

void PrintSizeDialog::showPixels()
{
    const PrintSize size = printSize();
    const QString pixels = QStringLiteral("%1 × %2 pixelů")
                               .arg(printPixels(size.widthMm, size.dpi))
                               .arg(printPixels(size.heightMm, size.dpi));
    const bool fits = printable(size);
    pixels_->setText(fits ? pixels : pixels + QStringLiteral(": příliš velký obrázek"));
    pixels_->setStyleSheet(fits ? QString() : QStringLiteral("color: red"));
    ok_->setEnabled(fits);
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
    const char sep = view_->decimalSeparator();
    const auto shown = [sep](double v, const AxisScale& scale) {
        return QString::fromStdString(formatFixed(v, scale.readOutDecimals(), sep));
    };
    QString text = QStringLiteral("x = %1 m   y = %2")
                       .arg(shown(value.x(), view_->bottomScale()), shown(value.y(), view_->leftScale()));
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
