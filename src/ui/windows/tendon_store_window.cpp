#include "ui/windows/tendon_store_window.h"

#include "tendons/parabolic_polygon.h"
#include "ui/project_session.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace kvor::ui {

namespace {

const SlotStoreWindow::Layout& tendonStoreLayout()
{
    static const SlotStoreWindow::Layout layout = [] {
        QStringList typeLabels;
        for (const char* label : kTendonTypeLabels)
            typeLabels << QString::fromUtf8(label);
        return SlotStoreWindow::Layout{
            .objectName = QStringLiteral("Form9"),
            .clientSize = {460, 362},
            .caption = QStringLiteral("Kvor1.1 - informace o zadaných kabelech"),
            .pages = {4, 4, 452, 318},
            .pageTitle = QStringLiteral("Kabel %1"),
            .marksWidth = 140,
            .modeCaption = QStringLiteral("Typ kabelu"),
            .modeItems = typeLabels,
            .modeHeight = 124,
            // Three columns in view; the fourth (a parabola's mid-eccentricities) is scrolled to.
            .grid = {156, 8, 3 * kGridColumnPitch + 2 + 18, 272},
            .storeTable = [](const Project& project, size_t slot) -> const TextTable& {
                return project.tendons[slot].points;
            },
        };
    }();
    return layout;
}

}  // namespace

TendonStoreWindow::TendonStoreWindow(AppContext& context, QWidget* parent)
    : SlotStoreWindow(context, tendonStoreLayout(), parent)
{
    addGrids();
    for (int k = 1; k <= kSlotCount; ++k) {
        const SlotView& view = slotView(static_cast<size_t>(k - 1));
        view.table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        divisions_[static_cast<size_t>(k - 1)] =
            makeLabel(view.page, QStringLiteral("Label%1").arg(k), QString(), {8, 166});
    }

    backButton_ = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Button1"), {356, 328, 96, 28});
    connect(backButton_, &QPushButton::clicked, this, &TendonStoreWindow::goBack);
    loadFromModel();
}

void TendonStoreWindow::showSlot(size_t i, const SlotView& view)
{
    const TendonSlot& slot = project_.tendons[i];
    view.storeMark->setChecked(slot.storeMark());
    view.mode->setItemIndex(static_cast<int>(slot.type));
    QLabel* divisions = divisions_[i];
    divisions->setVisible(isParabolicType(slot.type));
    divisions->setText(QStringLiteral("Počet dělení paraboly D: ") + QString::fromStdString(slot.divisions));
    divisions->adjustSize();
}

void TendonStoreWindow::goBack()
{
    hide();
    emit mainWindowRequested();
}

void TendonStoreWindow::closeEvent(QCloseEvent* event)
{
    // The main window is hidden while this one is up: closing leads back to it.
    event->ignore();
    goBack();
}

}  // namespace kvor::ui
