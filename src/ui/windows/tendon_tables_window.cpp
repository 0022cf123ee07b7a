#include "ui/windows/tendon_tables_window.h"

#include "ui/widgets/working_grid.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

namespace kvor::ui {

namespace {
constexpr int kColumnWidth = 40;
constexpr int kRowHeight = 20;
constexpr int kLeftMargin = 90;   // the quantity headings
constexpr int kTendonPitch = 430;
constexpr int kGridWidth = 422;   // nine columns, the row numbers and a scroll bar
constexpr int kFirstGridTop = 164;
constexpr int kGridHeight = 124;  // the headings and four points in view
constexpr int kQuantityPitch = 134;

QStringList tendonTableTypeItems()
{
    QStringList items;
    for (const char* label : kTendonTableTypeLabels)
        items << QString::fromUtf8(label);
    return items;
}
}  // namespace

TendonTablesWindow::TendonTablesWindow(AppContext& context, QWidget* parent) : WorkingTablesWindow(context, parent)
{
    connect(&context_.session, &ProjectSession::projectReplaced, this, &TendonTablesWindow::loadFromModel);
    connect(&context_.session, &ProjectSession::resultsChanged, this, &TendonTablesWindow::reloadIfShown);
    setObjectName(QStringLiteral("Form12"));
    setupFixedWindow(this, {1000, 700}, TitleBar::NoButtons, QStringLiteral("Tabulka kabelů"));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setGeometry(0, 0, width(), 654);
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("Sheet1"));
    sheet->resize(kLeftMargin + kSlotCount * kTendonPitch, kFirstGridTop + kSlotCount * kQuantityPitch);

    const QStringList typeItems = tendonTableTypeItems();
    for (int t = 0; t < kSlotCount; ++t) {
        const int x = kLeftMargin + kTendonPitch * t;
        makeLabel(sheet, QStringLiteral("Label%1").arg(6 + t), QStringLiteral("%1.kabel").arg(t + 1), {x, 6},
                  LabelStyle::Bold);
        typeGroups_[t] = new RadioGroup(QStringLiteral("RadioGroup%1").arg(t + 1), QStringLiteral("Typ kabelu"),
                                        typeItems, sheet);
        typeGroups_[t]->setGeometry(x, 24, 180, 112);
        makeLabel(sheet, QStringLiteral("Label%1").arg(11 + t), QStringLiteral("Pro přímý kabel a lomený"),
                  {x, 142});
    }
    for (int q = 0; q < kSlotCount; ++q) {
        const int y = kFirstGridTop + kQuantityPitch * q;
        makeLabel(sheet, QStringLiteral("Label%1").arg(1 + q), QStringLiteral("%1.veličina").arg(q + 1),
                  {8, y + kGridHeight / 2 - 8}, LabelStyle::Bold);
        for (int t = 0; t < kSlotCount; ++t) {
            auto* grid = new WorkingGrid(QStringLiteral("StringGrid%1").arg(kSlotCount * q + t + 1),
                                         &context_.project.results.tendonTables[q][t], kColumnWidth, kRowHeight,
                                         sheet);
            grid->setGeometry(kLeftMargin + kTendonPitch * t, y, kGridWidth, kGridHeight);
            grids_[q][t] = grid;
        }
    }
    scroll->setWidget(sheet);

    Button2 = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Derivace příčinkových čar"),
                         {640, 664, 220, 28});
    Button2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Button1 = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Zpět"), {870, 664, 120, 28});
    Button1->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    connect(Button1, &QPushButton::clicked, this, &TendonTablesWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TendonTablesWindow::Button2Click);

    loadFromModel();
}

void TendonTablesWindow::loadFromModel()
{
    const EvaluationResult& results = context_.project.results;
    for (auto& row : grids_)
        for (WorkingGrid* grid : row)
            grid->reload();
    for (int t = 0; t < kSlotCount; ++t)
        typeGroups_[t]->setItemIndex(results.tendonTableType[t]);
}

void TendonTablesWindow::Button1Click()
{
    hide();
    emit resultWindowRequested();
}

void TendonTablesWindow::Button2Click()
{
    hide();
    emit derivativeTablesRequested();
}

void TendonTablesWindow::goBack() { Button1Click(); }

}  // namespace kvor::ui
