#pragma once
// The store of the five influence lines as a window: per quantity slot its
// store table, its store mark, its entry mode and its file name. A read-only
// view of the project, brought up to date whenever it is shown; no command of
// the program opens it.

#include "ui/windows/slot_store_window.h"

#include <array>

class QLineEdit;

namespace kvor::ui {

class InfluenceStoreWindow : public SlotStoreWindow {
    Q_OBJECT
public:
    explicit InfluenceStoreWindow(AppContext& context, QWidget* parent = nullptr);

protected:
    // The radio group is the entry mode: "ručně", "ze souboru", "z konstrukce".
    void showSlot(size_t i, const SlotView& view) override;

private:
    std::array<QLineEdit*, kSlotCount> sourceFiles_;  // Edit1..5
};

}  // namespace kvor::ui
