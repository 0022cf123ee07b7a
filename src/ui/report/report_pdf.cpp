#include "ui/report/report_pdf.h"

#include "model/error.h"
#include "report/report_content.h"
#include "ui/qt_text.h"
#include "ui/report/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <string>

namespace kvor::ui {

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's layout

// Today in the locale's short order, always with a four-digit year.
QString todayText()
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale::system().toString(QDate::currentDate(), format);
}

}  // namespace

bool writeReportPdf(const Project& project, char sep, const QString& path, const ReportProgress& progress)
{
    const ReportContent content = buildReportContent(project, sep);

    // Written beside the named file and put in its place when whole: a report
    // stopped or failed half-way leaves the file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat");
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Protokol výpočtu – ") + toQString(project.info.name));
    writer.setCreator(QStringLiteral("Kvor1.1"));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);  // a number is never broken across lines
    document.setDefaultTextOption(wrapping);
    document.setUndoRedoEnabled(false);
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const double footer = 8.0 / 25.4 * kResolution;  // 8 mm for the footer line
    const QSizeF body(page.width(), page.height() - footer);
    document.setPageSize(body);

    // The steps: each block written, then each page drawn.
    const int blocks = static_cast<int>(content.blocks.size());
    const auto wentOn = [&](int done) { return !progress || progress(done, blocks + document.pageCount()); };
    if (!layOutReport(document, content, project, sep, wentOn))
        return false;

    QPainter painter;
    if (!painter.begin(&writer))
        throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat");
    const int pages = document.pageCount();
    const QString footerLeft = QStringLiteral("Kvor1.1 – ") + toQString(project.info.name);
    const QString date = todayText();
    QFont footerFont = font;
    footerFont.setPointSize(8);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * body.height());
        // One dot short of the page's foot: the layout may place what starts the
        // next page a fraction of a dot above it, which would show as a second
        // rule over the footer's.
        const QRectF visible(0, i * body.height(), body.width(), body.height() - 1);
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footerRect(0, body.height(), body.width(), footer);
        painter.drawLine(footerRect.topLeft() + QPointF(0, footer * 0.2), footerRect.topRight() + QPointF(0, footer * 0.2));
        painter.drawText(footerRect, Qt::AlignLeft | Qt::AlignBottom, footerLeft);
        painter.drawText(footerRect, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Strana %1 z %2").arg(i + 1).arg(pages));
        painter.drawText(footerRect, Qt::AlignRight | Qt::AlignBottom, date);
        if (!wentOn(blocks + i + 1))
            return false;
    }
    if (!painter.end() || !file.commit())
        throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat");
    return true;
}

}  // namespace kvor::ui
