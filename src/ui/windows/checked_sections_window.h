#pragma once
// What the two windows of the checked sections share ("Napětí v průřezu",
// "Posouzení napětí"): under the heading (and the inputs of a window that has
// them) the message that says why nothing is shown, then one block per checked
// quantity on a page that scrolls, each with its title, the grid of its table
// and what the window shows beneath, and "Zpět" back to the result window.

#include "model/project.h"
#include "model/text_table.h"
#include "ui/windows/working_tables_window.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kvor::ui {

class WorkingGrid;

class CheckedSectionsWindow : public WorkingTablesWindow {
    Q_OBJECT
public:
    // The grid of the i-th shown table (0-based, in slot order).
    WorkingGrid* grid(int index) const { return grids_[static_cast<size_t>(index)]; }
    int shownTableCount() const { return shown_; }

signals:
    void resultWindowRequested();

protected:
    // The window `name` with its caption and, on top, its heading in bold underlined.
    CheckedSectionsWindow(AppContext& context, QWidget* parent, const QString& name, const QString& caption,
                          const QString& heading, QSize size);

    struct BlockLook {
        int columnWidth;
        int rowHeight;
        QSize gridSize;
        int spacing;      // below a block
        int firstTitle;   // the title of block i is `Label<firstTitle + titleStep·i>`
        int titleStep;
    };
    // The message under what is on the window so far, then the blocks; `below`
    // adds the window's own widgets of block i under its grid.
    void addBlocks(const BlockLook& look, const std::function<void(size_t i, QVBoxLayout* block)>& below);
    // "Zpět" at the foot of the window.
    void addBackButton();

    // The message, hidden when empty.
    void showMessage(const QString& message);
    // The title of a block: the quantity (0-based), its kind and comment, and X.
    QString blockTitle(int quantity, const std::string& station) const;

    // "Zpět": back to the result window.
    void goBack() override;

    QVBoxLayout* layout_;
    // At most one table per quantity slot; the ones in use come first.
    std::array<TextTable, kSlotCount> tables_;
    std::array<QWidget*, kSlotCount> blocks_{};
    std::array<QLabel*, kSlotCount> titles_{};
    std::array<WorkingGrid*, kSlotCount> grids_{};
    int shown_ = 0;

private:
    QLabel* message_ = nullptr;  // why nothing is shown
    QPushButton* backButton_ = nullptr;
};

}  // namespace kvor::ui
