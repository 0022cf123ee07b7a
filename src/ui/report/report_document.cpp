#include "ui/report/report_document.h"

#include "ui/qt_text.h"
#include "ui/report/report_figures.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kvor::ui {

namespace {

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

// The blocks of plain text: size in points, weight, and the space above and
// below in points.
struct TextStyle {
    double points;
    bool bold;
    double top;
    double bottom;
};

constexpr std::pair<ReportBlock::Kind, TextStyle> kTextStyles[] = {
    {ReportBlock::Kind::Title, {18, true, 0, 10}},
    {ReportBlock::Kind::Heading, {13, true, 16, 6}},
    {ReportBlock::Kind::Subheading, {10.5, true, 10, 4}},
    {ReportBlock::Kind::Paragraph, {9, false, 4, 4}},
};

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
        for (const auto& [kind, style] : kTextStyles) {
            if (kind == block.kind) {
                textBlock(toQString(block.text), style);
                return;
            }
        }
        switch (block.kind) {
        case ReportBlock::Kind::Fact:
            fact(toQString(block.text), toQString(block.value));
            break;
        case ReportBlock::Kind::Table:
            table(block.table);
            break;
        case ReportBlock::Kind::Figure:
            figure(block);
            break;
        default:  // the text blocks above
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

    void textBlock(const QString& text, const TextStyle& style)
    {
        newBlock(style.top, style.bottom);
        QTextCharFormat format;
        format.setFontPointSize(style.points);
        format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
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
            table->cellAt(0, c).firstCursorPosition().insertText(toQString(source.headings[static_cast<size_t>(c)]), heading);
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
                table->cellAt(row, c).firstCursorPosition().insertText(toQString(cells[static_cast<size_t>(c)]), body);
            ++row;
        }
        cursor_.movePosition(QTextCursor::End);
    }

    void figure(const ReportBlock& block)
    {
        const ReportImage figure = reportFigure(project_, block.figure, block.slot, sep_);
        const QImage& image = figure.image;
        const QUrl name(QStringLiteral("figure%1.png").arg(++figures_));
        document_.addResource(QTextDocument::ImageResource, name, image);
        newBlock(4, 4);
        QTextImageFormat format;
        format.setName(name.toString());
        // Image sizes of a text document are in pixels of 96 per inch; the
        // layout scales them to the printer's resolution.
        const double width = figure.widthMm / 25.4 * 96;
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

bool layOutReport(QTextDocument& document, const ReportContent& content, const Project& project, char sep,
                  const std::function<bool(int)>& progress)
{
    return DocumentWriter(document, project, sep).write(content, progress);
}

}  // namespace kvor::ui
