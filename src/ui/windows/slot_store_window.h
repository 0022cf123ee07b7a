#pragma once
// What the two store windows share: a page per slot with the store mark
// "Již zadáno", a radio group that shows how the slot was entered and a
// read-only grid over the slot's store table. A read-only view of the project,
// brought up to date whenever it is shown; what a kind shows besides (a file
// name, the D of a parabola) is the kind's own.

#include "ui/app_context.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QTableView;

namespace kvor::ui {

class RadioGroup;
class TextTableModel;

class SlotStoreWindow : public QWidget {
    Q_OBJECT
public:
    // The make-up of one kind's window, a constant of the kind.
    struct Layout {
        QString objectName;
        QSize clientSize;
        QString caption;      // empty: "Kvor1.1"
        QRect pages;          // PageControl1
        QString pageTitle;    // "%1" stands for the slot number
        int marksWidth;       // of the store mark and of the radio group
        QString modeCaption;  // the radio group's
        QStringList modeItems;
        int modeHeight;
        QRect grid;           // within the page
        const TextTable& (*storeTable)(const Project& project, size_t slot);
    };

    // Shows the five slots as the project holds them now; also whenever the
    // session opens a project or stores a slot.
    void loadFromModel();

protected:
    struct SlotView {
        QWidget* page;         // TabSheet1..5
        QCheckBox* storeMark;  // CheckBox1..5
        RadioGroup* mode;      // RadioGroup1..5
        QTableView* table;     // StringGrid1..5
        TextTableModel* model;
    };

    // Builds the window and its pages with the store marks and the radio
    // groups; what a kind shows beside them comes next, then addGrids().
    SlotStoreWindow(AppContext& context, const Layout& layout, QWidget* parent);
    // The read-only grids over the store tables, one a page.
    void addGrids();

    // Shows slot i's store mark, its radio item and what the kind shows
    // besides; the grid is reloaded after it.
    virtual void showSlot(size_t i, const SlotView& view) = 0;

    const SlotView& slotView(size_t i) const { return slots_[i]; }

    void showEvent(QShowEvent* event) override;

    AppContext& context_;
    const Project& project_;  // only read: the dialogs store through the session

private:
    const Layout& layout_;
    std::array<SlotView, kSlotCount> slots_;
};

}  // namespace kvor::ui
