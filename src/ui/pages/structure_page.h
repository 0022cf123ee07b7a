#pragma once
// Page "Zadání konstrukce": the beam on the left (simple beam with its span L,
// or a continuous beam with its member table) and the cross-section on the
// right (type, picture, dimensions, "Spočti" and the four section values).
// The controls write the project as they are edited; every check and formula
// is the core's.

#include "ui/app_context.h"
#include "ui/pages/page_sheet.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace kvor::ui {

class FocusExitWatcher;
class RadioGroup;
class TextTableModel;

class StructurePage : public PageSheet {
    Q_OBJECT
public:
    StructurePage(AppContext& context, QWidget* parent);

    // Shows the beam and the section of the model (at start-up, and when a
    // whole project was opened).
    void loadFromModel();

    void RadioGroup1Click(int index);  // beam kind
    void Edit5Change();                // member count
    void Edit6Exit();                  // L
    void StringGrid1Exit();            // member lengths
    void RadioGroup2Click(int index);  // section type
    void BitBtn1Click();               // "Spočti"
    void Edit7Exit() { sectionValueExit(0); }
    void Edit8Exit() { sectionValueExit(1); }
    void Edit9Exit() { sectionValueExit(2); }
    void Edit10Exit() { sectionValueExit(3); }
    void Edit11Exit() { dimensionExit(0); }
    void Edit12Exit() { dimensionExit(1); }
    void Edit13Exit() { dimensionExit(2); }
    void Edit14Exit() { dimensionExit(3); }

    QPushButton* leftArrow() const { return BitBtn15; }
    QPushButton* rightArrow() const { return BitBtn14; }

private:
    void buildBeamHalf();
    void buildSectionHalf();
    void applyBeamKind();
    void applyMemberTable();
    void applySectionLayout();
    void showSectionValues(bool shown);
    void loadSectionValues();
    void dimensionExit(int index);
    void sectionValueExit(int index);

    AppContext& context_;
    FocusExitWatcher* exits_;

    RadioGroup* RadioGroup1;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QSpinBox* Edit5;
    QLineEdit* Edit6;
    QTableView* StringGrid1;
    TextTableModel* members_;

    RadioGroup* RadioGroup2;
    std::array<QWidget*, 5> images_;              // Image1..Image5
    std::array<QLabel*, 4> dimensionLabels_;      // Label21..Label24
    std::array<QLineEdit*, 4> dimensionEdits_;    // Edit11..Edit14
    QPushButton* BitBtn1;
    std::array<QLineEdit*, 4> valueEdits_;        // Edit7..Edit10
    std::vector<QLabel*> valueCaptions_;          // Label11..Label20

    QPushButton* BitBtn15;
    QPushButton* BitBtn14;
};

}  // namespace kvor::ui
