#include "ui/windows/influence_store_window.h"

#include "ui/project_session.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QLineEdit>

namespace kvor::ui {

namespace {

const SlotStoreWindow::Layout& influenceStoreLayout()
{
    static const SlotStoreWindow::Layout layout{
        .objectName = QStringLiteral("Form7"),
        .clientSize = {420, 330},
        .caption = QString(),
        .pages = {4, 4, 412, 322},
        .pageTitle = QStringLiteral("Veličina %1"),
        .marksWidth = 120,
        .modeCaption = QString(),
        .modeItems = {QStringLiteral("ručně"), QStringLiteral("ze souboru"), QStringLiteral("z konstrukce")},
        .modeHeight = 78,
        .grid = {140, 8, 2 * kGridColumnPitch + 2 + 18, 270},
        .storeTable = [](const Project& project, size_t slot) -> const TextTable& {
            return project.quantities[slot].line;
        },
    };
    return layout;
}

}  // namespace

InfluenceStoreWindow::InfluenceStoreWindow(AppContext& context, QWidget* parent)
    : SlotStoreWindow(context, influenceStoreLayout(), parent)
{
    for (int k = 1; k <= kSlotCount; ++k) {
        const SlotView& view = slotView(static_cast<size_t>(k - 1));
        QLineEdit* sourceFile = makeEdit(view.page, QStringLiteral("Edit%1").arg(k), {8, 120, 120, 22});
        sourceFile->setReadOnly(true);
        sourceFiles_[static_cast<size_t>(k - 1)] = sourceFile;
    }
    // After the file names, so that Tab goes from the entry mode to the file name and on to the grid.
    addGrids();
    loadFromModel();
}

void InfluenceStoreWindow::showSlot(size_t i, const SlotView& view)
{
    const QuantitySlot& slot = project_.quantities[i];
    view.storeMark->setChecked(slot.storeMark());
    view.mode->setItemIndex(static_cast<int>(slot.entryMode));
    sourceFiles_[i]->setText(QString::fromStdString(slot.sourceFile));
}

}  // namespace kvor::ui
