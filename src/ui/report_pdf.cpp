#include "ui/report_pdf.h"

#include "evaluation/evaluation_pipeline.h"
#include "influence/influence_chart_data.h"
#include "model/chart_series.h"
#include "model/error.h"
#include "model/numbers.h"
#include "report/report_content.h"
#include "results/project_file.h"
#include "stressing/stressing_chart_data.h"
#include "structure/beam.h"
#include "tendons/tendon_chart_data.h"
#include "ui/charts/chart_line_view.h"
#include "ui/widgets/drawings.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <span>

namespace kvor::ui {

namespace {

constexpr int kResolution = 300;        // dots per inch of the PDF's layout
constexpr double kFigureWidthMm = 170;  // the text width of an A4 page less margins

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Today in the locale's short order, always with a four-digit year.
QString todayText()
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale::system().toString(QDate::currentDate(), format);
}

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
        p.drawText(QRectF(at, axis + 100, width, 60), Qt::AlignCenter, fromUtf8(spans[i]) + QStringLiteral(" m"));
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

QImage influenceLineImage(const Project& project, int slot, char sep)
{
    // Only what the chart reads: the beam and the one slot, drawn.
    Project shown;
    shown.beam = project.beam;
    shown.quantities[static_cast<size_t>(slot)] = project.quantities[static_cast<size_t>(slot)];
    shown.quantities[static_cast<size_t>(slot)].draw = true;
    ChartDrawing drawing;
    buildInfluenceChart(shown, sep, drawing);
    return chartImage(drawing, {QStringLiteral("ReportChart"), QSize(720, 250), QStringLiteral("staničení [m]"),
                                QStringLiteral("pořadnice"), false, QString()},
                      sep);
}

QImage tendonImage(const Project& project, int slot, char sep)
{
    Project shown;
    shown.beam = project.beam;
    shown.section = project.section;
    shown.tendons[static_cast<size_t>(slot)] = project.tendons[static_cast<size_t>(slot)];
    shown.tendons[static_cast<size_t>(slot)].draw = true;
    ChartDrawing drawing;
    buildTendonChart(shown, sep, drawing);
    return chartImage(drawing, {QStringLiteral("ReportChart"), QSize(720, 250), QStringLiteral("staničení [m]"),
                                QStringLiteral("vzdálenost od n.osy e [m]"), true, QString()},
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

// Where a block of the report went in the document, for keeping blocks on one page.
struct PlacedBlock {
    int position = 0;              // its (first) text block; a table's is the block just before the table
    QTextTable* table = nullptr;   // the table of a table block
    bool keepWithNext = false;
};

// Blocks the report keeps together (a heading and what it introduces, a
// tendon's facts, table and chart, a table and its note) start a new page
// rather than be split, unless together they are longer than a page; then at
// least the start of their first table stays with what leads to it. Qt's text
// layout knows no "keep with next": the report is laid out as it is written,
// and a group, once written whole at the document's end, gets its page break
// there; only the group is laid out again.
void keepTogether(QTextDocument& document, std::span<const PlacedBlock> group)
{
    if (group.size() < 2)
        return;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal pageHeight = document.pageSize().height();
    const auto pageOf = [&](qreal y) { return static_cast<int>(y / pageHeight); };
    const auto rectOf = [&](const PlacedBlock& block) {
        return layout->blockBoundingRect(document.findBlock(block.position));
    };
    // A table's head and first row, which must not be left alone at a page's foot.
    const auto tableStartBottom = [&](const QTextTable* table) {
        const QRectF frame = layout->frameBoundingRect(const_cast<QTextTable*>(table));
        return frame.top() + 2 * frame.height() / std::max(1, table->rows());
    };
    const qreal top = rectOf(group.front()).top();
    qreal bottom = group.back().table ? tableStartBottom(group.back().table) : rectOf(group.back()).bottom();
    if (bottom - top > pageHeight) {
        // Too long for a page: keep only the way to the first table's start.
        const auto table = std::find_if(group.begin(), group.end(), [](const PlacedBlock& b) { return b.table != nullptr; });
        bottom = table == group.end() ? top : tableStartBottom(table->table);
    }
    if (pageOf(top) != pageOf(bottom) && bottom - top <= pageHeight) {
        QTextCursor cursor(document.findBlock(group.front().position));
        QTextBlockFormat format = cursor.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
    }
}

class DocumentWriter {
public:
    DocumentWriter(QTextDocument& document, const Project& project, char sep)
        : document_(document), cursor_(&document), project_(project), sep_(sep)
    {
    }

    // Writes the blocks on pages of the document's page size, keeping each
    // group on one page as it is completed; false when `progress` stopped it.
    bool write(const ReportContent& content, const std::function<bool(int)>& progress)
    {
        std::vector<PlacedBlock> group;
        for (size_t i = 0; i < content.blocks.size(); ++i) {
            const ReportBlock& block = content.blocks[i];
            table_ = nullptr;
            // One change of the document per block: its layout follows each
            // change, and a table filled cell by cell would be laid out again per cell.
            cursor_.beginEditBlock();
            write(block);
            cursor_.endEditBlock();
            group.push_back({position_, table_, block.keepWithNext});
            if (!block.keepWithNext || i + 1 == content.blocks.size()) {
                document_.pageCount();  // the layout is otherwise done lazily
                keepTogether(document_, group);
                group.clear();
            }
            if (progress && !progress(static_cast<int>(i) + 1))
                return false;
        }
        return true;
    }

private:
    void write(const ReportBlock& block)
    {
        switch (block.kind) {
        case ReportBlock::Kind::Title:
            textBlock(fromUtf8(block.text), 18, true, 0, 10);
            break;
        case ReportBlock::Kind::Heading:
            textBlock(fromUtf8(block.text), 13, true, 16, 6);
            break;
        case ReportBlock::Kind::Subheading:
            textBlock(fromUtf8(block.text), 10.5, true, 10, 4);
            break;
        case ReportBlock::Kind::Paragraph:
            textBlock(fromUtf8(block.text), 9, false, 4, 4);
            break;
        case ReportBlock::Kind::Fact:
            fact(fromUtf8(block.text), fromUtf8(block.value));
            break;
        case ReportBlock::Kind::Table:
            table(block.table);
            break;
        case ReportBlock::Kind::Figure:
            figure(block);
            break;
        }
    }

    void newBlock(double topMargin, double bottomMargin)
    {
        QTextBlockFormat format;
        format.setTopMargin(topMargin);
        format.setBottomMargin(bottomMargin);
        if (first_) {
            cursor_.setBlockFormat(format);
            first_ = false;
        } else {
            cursor_.insertBlock(format);
        }
        position_ = cursor_.block().position();
    }

    void textBlock(const QString& text, double points, bool bold, double top, double bottom)
    {
        newBlock(top, bottom);
        QTextCharFormat format;
        format.setFontPointSize(points);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        cursor_.insertText(text, format);
    }

    void fact(const QString& name, const QString& value)
    {
        newBlock(0, 1);
        QTextCharFormat nameFormat;
        nameFormat.setFontPointSize(9);
        nameFormat.setFontWeight(QFont::Bold);
        cursor_.insertText(name + QStringLiteral(": "), nameFormat);
        QTextCharFormat valueFormat;
        valueFormat.setFontPointSize(9);
        cursor_.insertText(value, valueFormat);
    }

    void table(const ReportTable& source)
    {
        newBlock(4, 0);
        const int columns = static_cast<int>(source.headings.size());
        const int rows = 1 + static_cast<int>(source.rows.size()) + (source.omittedRows > 0 ? 1 : 0);
        if (columns == 0)
            return;
        QTextTableFormat format;
        format.setHeaderRowCount(1);  // repeated on every page the table runs onto
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(2);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QTextTable* table = cursor_.insertTable(rows, columns, format);
        table_ = table;
        // Numbers are rounded for reading and never broken (the document
        // wraps at word boundaries only); nine columns of them fit at 7 points.
        const qreal points = columns >= 8 ? 7 : 8;
        QTextCharFormat heading;
        heading.setFontPointSize(points);
        heading.setFontWeight(QFont::Bold);
        QTextCharFormat body;
        body.setFontPointSize(points);
        for (int c = 0; c < columns; ++c)
            table->cellAt(0, c).firstCursorPosition().insertText(fromUtf8(source.headings[static_cast<size_t>(c)]), heading);
        int row = 1;
        for (size_t r = 0; r < source.rows.size(); ++r) {
            if (source.omittedRows > 0 && static_cast<int>(r) == source.omittedAfterRow) {
                table->mergeCells(row, 0, 1, columns);
                table->cellAt(row, 0).firstCursorPosition().insertText(
                    QStringLiteral("… vynecháno %1 řádků …").arg(source.omittedRows), body);
                ++row;
            }
            const auto& cells = source.rows[r];
            for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c)
                table->cellAt(row, c).firstCursorPosition().insertText(fromUtf8(cells[static_cast<size_t>(c)]), body);
            ++row;
        }
        cursor_.movePosition(QTextCursor::End);
    }

    void figure(const ReportBlock& block)
    {
        QImage image;
        double widthMm = kFigureWidthMm;
        switch (block.figure) {
        case ReportFigure::Beam:
            image = beamImage(project_, sep_);
            break;
        case ReportFigure::Section:
            image = sectionImage(project_.section.type);
            widthMm = 50;
            break;
        case ReportFigure::InfluenceLine:
            image = influenceLineImage(project_, block.slot, sep_);
            break;
        case ReportFigure::TendonLayout:
            image = tendonImage(project_, block.slot, sep_);
            break;
        case ReportFigure::StressingForces:
            image = stressingImage(project_, block.slot, sep_);
            break;
        }
        const QUrl name(QStringLiteral("figure%1.png").arg(++figures_));
        document_.addResource(QTextDocument::ImageResource, name, image);
        newBlock(4, 4);
        QTextImageFormat format;
        format.setName(name.toString());
        // Image sizes of a text document are in pixels of 96 per inch; the
        // layout scales them to the printer's resolution.
        const double width = widthMm / 25.4 * 96;
        format.setWidth(width);
        format.setHeight(width * image.height() / std::max(1, image.width()));
        cursor_.insertImage(format);
    }

    QTextDocument& document_;
    QTextCursor cursor_;
    const Project& project_;
    char sep_;
    bool first_ = true;
    int figures_ = 0;
    int position_ = 0;
    QTextTable* table_ = nullptr;
};

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
    writer.setTitle(QStringLiteral("Protokol výpočtu – ") + fromUtf8(project.info.name));
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
    if (!DocumentWriter(document, project, sep).write(content, wentOn))
        return false;

    QPainter painter;
    if (!painter.begin(&writer))
        throw Error("Soubor „" + path.toStdString() + "“ nelze zapsat");
    const int pages = document.pageCount();
    const QString footerLeft = QStringLiteral("Kvor1.1 – ") + fromUtf8(project.info.name);
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

std::vector<std::string> writeReportOfProjectFile(const QString& projectFile, const QString& pdfFile, char sep)
{
    // Read and evaluated as kvor-calc reads and evaluates it, so both name a faulty file alike.
    ProjectToEvaluate loaded = readProjectToEvaluate(QFile::encodeName(projectFile).toStdString(), sep);
    Project& project = loaded.project;
    const EvaluationStart start = prepareEvaluation(project, sep);
    if (start.refusal)
        throw Error(start.refusal->message);
    // The group a saved result window had ticked is summed again.
    evaluateKeepingGroup(project, sep);
    writeReportPdf(project, sep, pdfFile);
    return staleInputWarnings(start.stale);
}

}  // namespace kvor::ui
