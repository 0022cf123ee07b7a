#pragma once
// "Kvor1.1 - informace o zadaných kabelech": the store of the five tendon
// definitions as a window, per tendon slot its store table, its store mark
// "Již zadáno" and its type; a parabolic tendon also shows its D, and its
// table's fourth column (the mid-eccentricities) is reached by scrolling. A read-only view of the project, brought up to
// date whenever it is shown. The main window's "Button2" opens it; its own
// "Button1" (or closing it through the frame) leads back.

#include "ui/windows/slot_store_window.h"

#include <array>

class QLabel;
class QPushButton;

namespace kvor::ui {

class TendonStoreWindow : public SlotStoreWindow {
    Q_OBJECT
public:
    explicit TendonStoreWindow(AppContext& context, QWidget* parent = nullptr);

    void goBack();  // "Button1": back to the main window

signals:
    void mainWindowRequested();

protected:
    // The radio group is the tendon type, "Typ kabelu".
    void showSlot(size_t i, const SlotView& view) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, kSlotCount> divisions_;  // Label1..5, D of a parabolic tendon
    QPushButton* backButton_;
};

}  // namespace kvor::ui
