// Tables and charts out of the program: copying, CSV, PNG, SVG, and the
// larger chart of "Zvětšit" with its zoom, reset and read-out.

#include "chart_test_support.h"
#include "support/ui_test_support.h"

#include "ui/charts/chart_export.h"
#include "ui/charts/chart_line_view.h"
#include "ui/export_name.h"
#include "ui/models/table_export.h"
#include "ui/models/text_table_model.h"
#include "ui/translations.h"
#include "ui/widgets/entry_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QGraphicsTextItem>
#include <QImage>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTableView>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <functional>

namespace kvor::ui {
namespace {

QAction* action(const QWidget& widget, const char* name)
{
    for (QAction* a : widget.actions())
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TableExportTest : public ::testing::Test {
protected:
    TableExportTest()
    {
        table.setRow(0, {"Staničení [m]", "Pořadnice"});
        table.setRow(1, {"0", "1,5"});
        table.setRow(2, {"10", "-0,25"});
        table.setRow(3, {"12", "a;b"});
        view = makeEntryGrid(nullptr, QStringLiteral("StringGrid1"), &model);
        addTableExport(view, ui.messages);
    }
    ~TableExportTest() override { delete view; }

    void select(int top, int left, int bottom, int right)
    {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->selectionModel()->select(QItemSelection(model.index(top, left), model.index(bottom, right)),
                                       QItemSelectionModel::ClearAndSelect);
    }

    testing::UiContext ui;
    TextTable table{4, 2};
    TextTableModel model{&table, TextTableModel::Headings::InHeader};
    QTableView* view;
};

TEST_F(TableExportTest, CopyTakesTheSelectionAsTabSeparatedLines)
{
    EXPECT_EQ(selectionAsText(*view), QString());
    select(0, 0, 1, 1);
    EXPECT_EQ(selectionAsText(*view), QStringLiteral("0\t1,5\n10\t-0,25\n"));
    select(2, 1, 2, 1);
    EXPECT_EQ(selectionAsText(*view), QStringLiteral("a;b\n"));

    select(0, 1, 1, 1);
    QApplication::clipboard()->clear();
    action(*view, "copyAction")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1,5\n-0,25\n"));
    EXPECT_EQ(action(*view, "copyAction")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(TableExportTest, CsvHoldsTheWholeTableWithHeadings)
{
    const QByteArray expected = QByteArray("\xEF\xBB\xBF") +
                                "Staničení [m];Pořadnice\r\n0;1,5\r\n10;-0,25\r\n12;\"a;b\"\r\n";
    EXPECT_EQ(tableAsCsv(*view), expected);

    QTemporaryDir folder;
    ui.messages.saveFileAnswer = folder.filePath(QStringLiteral("cara.csv"));
    action(*view, "saveCsvAction")->trigger();
    EXPECT_EQ(fileBytes(ui.messages.saveFileAnswer), expected);
    EXPECT_TRUE(ui.messages.events.front().startsWith(QStringLiteral("save file: Uložit jako CSV ")));

    // A folder that does not exist: the error box, nothing else.
    ui.messages.clear();
    ui.messages.saveFileAnswer = folder.filePath(QStringLiteral("nic/cara.csv"));
    action(*view, "saveCsvAction")->trigger();
    ASSERT_EQ(ui.messages.events.size(), 2);
    EXPECT_TRUE(ui.messages.events[1].startsWith(QStringLiteral("error: Soubor „"))) << ui.messages.events[1].toStdString();
}

class ChartExportTest : public ::testing::Test {
protected:
    ChartExportTest() : view(LineChartLook{QStringLiteral("Chart1"), QSize(566, 155), QStringLiteral("staničení [m]"),
                                           QStringLiteral("pořadnice "), false, QStringLiteral("Grafy příčinkových čar")},
                             nullptr)
    {
        view.setDecimalSeparator(',');
        view.showSeries({ChartSeries{"quantity1", ChartColour::Red, {{0, 0}, {5, 0.25L}, {10, 0}}}});
        view.setValueUnit(QStringLiteral("m"));
        addChartExport(&view, ui.messages);
        view.show();
    }

    testing::UiContext ui;
    LineChartView view;
};

// A PNG for print: after the file, its printed size is asked, proposed as
// wide as a report figure (170 mm) at 300 dpi; the picture records its
// resolution. A picture too large for the memory cannot be asked for.
TEST_F(ChartExportTest, PicturesAreWrittenAsPngForPrintAndAsSvg)
{
    QTemporaryDir folder;
    const auto savePng = [&](const char* name, std::function<void(PrintSizeDialog&)> answer) {
        ui.messages.saveFileAnswer = folder.filePath(QLatin1String(name));
        QTimer::singleShot(0, [answer] {
            if (auto* dialog = qobject_cast<PrintSizeDialog*>(QApplication::activeModalWidget()))
                answer(*dialog);
        });
        action(view, "savePngAction")->trigger();
        return QImage(ui.messages.saveFileAnswer);
    };
    const auto spinBox = [](PrintSizeDialog& dialog, const char* name) {
        return dialog.findChild<QSpinBox*>(QLatin1String(name));
    };
    const QImage proposed = savePng("graf.png", [](PrintSizeDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(proposed.size(), QSize(2008, 555));  // 170 x 47 mm, as the chart's 566 x 155 pixels
    EXPECT_EQ(proposed.dotsPerMeterX(), 11811);
    EXPECT_EQ(proposed.dotsPerMeterY(), 11811);
    EXPECT_GT(testing::pixelsOfColour(proposed, QColor(255, 0, 0)), 500) << "the red line along the picture";

    const QImage chosen = savePng("maly.png", [&](PrintSizeDialog& dialog) {
        spinBox(dialog, "WidthEdit")->setValue(80);
        spinBox(dialog, "HeightEdit")->setValue(40);
        spinBox(dialog, "ResolutionEdit")->setValue(150);
        dialog.accept();
    });
    EXPECT_EQ(chosen.size(), QSize(472, 236));

    bool okEnabled = true;
    const QImage huge = savePng("velky.png", [&](PrintSizeDialog& dialog) {
        spinBox(dialog, "WidthEdit")->setValue(2000);
        spinBox(dialog, "HeightEdit")->setValue(2000);
        okEnabled = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        dialog.reject();
    });
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(huge.isNull());

    ui.messages.saveFileAnswer = folder.filePath(QStringLiteral("graf.svg"));
    action(view, "saveSvgAction")->trigger();
    const QByteArray svg = fileBytes(ui.messages.saveFileAnswer);
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("<polyline") || svg.contains("<path"));
    EXPECT_TRUE(svg.contains("Grafy příčinkových čar")) << "the picture's title is what it shows";
}

// The proposed names say what is saved, not which control showed it.
TEST_F(ChartExportTest, SavedFilesAreNamedAfterWhatTheyShow)
{
    QTableView table;
    table.setObjectName(QStringLiteral("StringGrid3"));
    addTableExport(&table, ui.messages);
    action(view, "savePngAction")->trigger();
    action(table, "saveCsvAction")->trigger();
    setExportTitle(&table, QStringLiteral("veličina 2 kabel 5"));
    action(table, "saveCsvAction")->trigger();
    ASSERT_EQ(ui.messages.events.size(), 3);
    EXPECT_TRUE(ui.messages.events[0].endsWith(QStringLiteral("/grafy-pricinkovych-car.png")));
    EXPECT_TRUE(ui.messages.events[1].endsWith(QStringLiteral("/tabulka.csv")));
    EXPECT_TRUE(ui.messages.events[2].endsWith(QStringLiteral("/velicina-2-kabel-5.csv")));
}

// Qt's standard buttons and file dialogs speak Czech like the rest of the program.
TEST(CzechQtTexts, StandardButtonsAreCzech)
{
    ASSERT_TRUE(installCzechQtTranslations(*QCoreApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Zrušit"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')), QStringLiteral("Uložit"));
}

TEST_F(ChartExportTest, TickLabelsUseTheDecimalComma)
{
    QStringList labels;
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
            labels << text->toPlainText();
    EXPECT_TRUE(labels.contains(QStringLiteral("-0,1"))) << "whole, not cut: " << labels.join('|').toStdString();
    EXPECT_FALSE(labels.join('|').contains('.')) << labels.join('|').toStdString();
}

TEST_F(ChartExportTest, ZoomWindowZoomsResetsAndReadsOut)
{
    action(view, "zoomAction")->trigger();
    auto* window = qobject_cast<ChartZoomWindow*>(
        [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("ChartZoomWindow") && w->isVisible())
                    return w;
            return static_cast<QWidget*>(nullptr);
        }());
    ASSERT_NE(window, nullptr);
    LineChartView* zoomed = window->chartView();
    EXPECT_EQ(zoomed->shownSeries().size(), 1u);
    EXPECT_GT(zoomed->width(), view.width());

    const double fullWidth = zoomed->bottomAxis()->max() - zoomed->bottomAxis()->min();
    QWheelEvent wheel(QPointF(200, 100), zoomed->mapToGlobal(QPointF(200, 100)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(zoomed->viewport(), &wheel);
    EXPECT_LT(zoomed->bottomAxis()->max() - zoomed->bottomAxis()->min(), fullWidth);
    window->resetView();
    EXPECT_DOUBLE_EQ(zoomed->bottomAxis()->max() - zoomed->bottomAxis()->min(), fullWidth);

    // Titled by its chart; the read-out in the units of its axes, each to a
    // tenth of its tick step: ticks 2 m apart along the 10 m beam, 0,1 up.
    EXPECT_EQ(window->windowTitle(), "Kvor1.1 – Grafy příčinkových čar");
    const QPointF middle = zoomed->chart()->plotArea().center();
    EXPECT_EQ(window->readOut(zoomed->mapFromScene(zoomed->chart()->mapToScene(middle))),
              QStringLiteral("x = 5,0 m   y = 0,10 m"));
    EXPECT_EQ(window->readOut(QPoint(1, 1)), QString());
    delete window;  // closing would leave it to a deferred delete the test never runs
}

}  // namespace
}  // namespace kvor::ui
