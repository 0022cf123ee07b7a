#include "ui/windows/section_stress_window.h"

#include "prestress/section_check.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/qt_text.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvor::ui {

namespace {
constexpr int kColumnWidth = 92;
// Five tendons, the group and the total under the headings, with the frame.
constexpr int kGridHeight = 8 * WorkingGrid::kRowHeight + 4;
constexpr int kGridWidth = 9 * kColumnWidth + 6;
}  // namespace

SectionStressWindow::SectionStressWindow(AppContext& context, QWidget* parent)
    : CheckedSectionsWindow(context, parent, QStringLiteral("Form13"), QStringLiteral("Kvor1.1 - napětí v průřezu"),
                            QStringLiteral("Napětí v průřezu od předpětí"), {kGridWidth + 80, 640})
{
    addBlocks({kColumnWidth, WorkingGrid::kRowHeight, {kGridWidth, kGridHeight}, 12, 3, 2}, [this](size_t i, QVBoxLayout* block) {
        setExportTitle(grids_[i], QStringLiteral("napětí v průřezu %1").arg(i + 1));
        notes_[i] = makeLabel(blocks_[i], QStringLiteral("Label%1").arg(4 + 2 * i), QString(), {});
        notes_[i]->setWordWrap(true);
        notes_[i]->setFixedWidth(kGridWidth);
        block->addWidget(notes_[i]);
    });
    addBackButton();
}

void SectionStressWindow::loadFromModel()
{
    SectionChecks checks;
    context_.messages.runCommand([&] { checks = sectionChecks(project_, context_.decimalSeparator); });
    shown_ = static_cast<int>(checks.tables.size());
    QString message = toQString(checks.message);
    if (message.isEmpty() && shown_ == 0)
        message = QStringLiteral("Žádná vyhodnocená veličina typu „Ohybový moment“ nemá známé staničení "
                                 "posuzovaného průřezu X (zadává se u příčinkové čáry).");
    showMessage(message);

    for (size_t i = 0; i < kSlotCount; ++i) {
        const bool used = static_cast<int>(i) < shown_;
        if (used) {
            const SectionCheckTable& check = checks.tables[i];
            titles_[i]->setText(blockTitle(check.quantity, check.station));
            notes_[i]->setText(toQString(sectionCheckNote(check)));
            tables_[i] = sectionCheckTextTable(check);
            grids_[i]->setFixedHeight(tables_[i].rowCount() * WorkingGrid::kRowHeight + 4);
        } else {
            tables_[i] = TextTable();
        }
        grids_[i]->reload();
        blocks_[i]->setVisible(used);
    }
}

}  // namespace kvor::ui
