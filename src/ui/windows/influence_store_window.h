#pragma once
// The store of the five influence lines as a window: per quantity slot its
// store table, its store mark, its entry mode and its file name. A read-only
// view of the project, brought up to date whenever it is shown; no command of
// the program opens it.

#include "ui/app_context.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QTableView;

namespace kvor::ui {

class RadioGroup;
class TextTableModel;

class InfluenceStoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfluenceStoreWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the five slots as the project holds them now.
    void loadFromModel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct SlotView {
        QCheckBox* storeMark;    // CheckBox1..5
        RadioGroup* entryMode;   // RadioGroup1..5: "ručně", "ze souboru", "z konstrukce"
        QLineEdit* sourceFile;   // Edit1..5
        QTableView* table;       // StringGrid1..5
        TextTableModel* model;
    };

    AppContext& context_;
    std::array<SlotView, kSlotCount> slots_;
};

}  // namespace kvor::ui
