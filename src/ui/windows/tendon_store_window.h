#pragma once
// "Kvor1.1 - informace o zadaných kabelech": the store of the five tendon
// definitions as a window, per tendon slot its store table, its store mark
// "Již zadáno" and its type; a parabolic tendon also shows its D, and its
// table's fourth column (the mid-eccentricities) is reached by scrolling. A read-only view of the project, brought up to
// date whenever it is shown. The main window's "Button2" opens it; its own
// "Button1" (or closing it through the frame) leads back.

#include "ui/app_context.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kvor::ui {

class RadioGroup;
class TextTableModel;

class TendonStoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit TendonStoreWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the five slots as the project holds them now.
    void loadFromModel();

    void Button1Click();  // back to the main window

signals:
    void mainWindowRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct SlotView {
        QCheckBox* storeMark;  // CheckBox1..5 "Již zadáno"
        RadioGroup* type;      // RadioGroup1..5 "Typ kabelu"
        QTableView* table;     // StringGrid1..5
        QLabel* divisions;     // Label1..5, D of a parabolic tendon
        TextTableModel* model;
    };

    AppContext& context_;
    std::array<SlotView, kSlotCount> slots_;
    QPushButton* Button1;
};

}  // namespace kvor::ui
