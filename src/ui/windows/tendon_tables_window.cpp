#include "ui/windows/tendon_tables_window.h"

#include "evaluation/tendon_effect.h"
#include "tendons/parabolic_polygon.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

namespace kvor::ui {

namespace {
constexpr int kColumnWidth = 40;
constexpr int kLeftMargin = 90;    // the quantity headings
constexpr int kGridMargins = 62;   // the row numbers, a scroll bar and the frame
constexpr int kGridGap = 8;
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

    // The grids are made first: their columns are as wide as the headings need.
    for (int q = 0; q < kSlotCount; ++q)
        for (int t = 0; t < kSlotCount; ++t) {
            grids_[q][t] = new WorkingGrid(QStringLiteral("StringGrid%1").arg(kSlotCount * q + t + 1),
                                           &project_.results.tendonTables[q][t], kColumnWidth, WorkingGrid::kRowHeight,
                                           sheet);
            setExportTitle(grids_[q][t], QStringLiteral("veličina %1 kabel %2").arg(q + 1).arg(t + 1));
        }
    int gridWidth = kGridMargins;
    for (const char* heading : kTendonTableHeadings)
        gridWidth += grids_[0][0]->columnWidthFor(QString::fromUtf8(heading));
    const int tendonPitch = gridWidth + kGridGap;
    sheet->resize(kLeftMargin + kSlotCount * tendonPitch, kFirstGridTop + kSlotCount * kQuantityPitch);

    const QStringList typeItems = tendonTableTypeItems();
    for (int t = 0; t < kSlotCount; ++t) {
        const int x = kLeftMargin + tendonPitch * t;
        makeLabel(sheet, QStringLiteral("Label%1").arg(6 + t), QStringLiteral("%1.kabel").arg(t + 1), {x, 6},
                  LabelStyle::Bold);
        typeGroups_[t] = new RadioGroup(QStringLiteral("RadioGroup%1").arg(t + 1), QStringLiteral("Typ kabelu"),
                                        typeItems, sheet);
        typeGroups_[t]->setGeometry(x, 24, 180, 112);
        notes_[t] = makeLabel(sheet, QStringLiteral("Label%1").arg(11 + t), QString(), {x, 142});
        notes_[t]->setFixedWidth(gridWidth);
    }
    for (int q = 0; q < kSlotCount; ++q) {
        const int y = kFirstGridTop + kQuantityPitch * q;
        makeLabel(sheet, QStringLiteral("Label%1").arg(1 + q), QStringLiteral("%1.veličina").arg(q + 1),
                  {8, y + kGridHeight / 2 - 8}, LabelStyle::Bold);
        for (int t = 0; t < kSlotCount; ++t)
            grids_[q][t]->setGeometry(kLeftMargin + tendonPitch * t, y, gridWidth, kGridHeight);
    }
    scroll->setWidget(sheet);

    derivativesButton_ = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Derivace příčinkových čar"),
                                    {640, 664, 220, 28}, QStyle::SP_FileDialogDetailedView);
    backButton_ = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Zpět"), {870, 664, 120, 28},
                             QStyle::SP_ArrowBack);
    connect(backButton_, &QPushButton::clicked, this, &TendonTablesWindow::goBack);
    connect(derivativesButton_, &QPushButton::clicked, this, &TendonTablesWindow::showDerivativeTables);

    loadFromModel();
}

void TendonTablesWindow::loadFromModel()
{
    // The tables of the last run are formed when they are first shown.
    context_.messages.runCommand([this] { context_.session.formTendonTables(); });
    const EvaluationResult& results = project_.results;
    for (auto& row : grids_)
        for (WorkingGrid* grid : row)
            grid->reload();
    for (int t = 0; t < kSlotCount; ++t) {
        typeGroups_[t]->setItemIndex(results.tendonTableType[t]);
        notes_[t]->setText(QString::fromStdString(tendonTableNote(project_.tendons[t].type)));
    }
}

void TendonTablesWindow::goBack()
{
    hide();
    emit resultWindowRequested();
}

void TendonTablesWindow::showDerivativeTables()
{
    hide();
    emit derivativeTablesRequested();
}

}  // namespace kvor::ui
