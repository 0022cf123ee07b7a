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

    void chooseBeamKind(int index);     // "prostý nosník" / "spojitý nosník"
    void changeMemberCount();           // "počet polí"
    void spanExit();                    // leaving L: checks the span
    void memberLengthsExit();           // leaving the member table: checks the lengths
    void chooseSectionType(int index);  // "Typ průřezu"
    void computeSection();              // "Spočti": the section values from the dimensions

    QPushButton* leftArrow() const { return backArrow_; }
    QPushButton* rightArrow() const { return nextArrow_; }

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

    RadioGroup* beamKind_;     // `RadioGroup1`
    QLabel* memberCountLabel_;
    QLabel* spanLabel_;
    QLabel* spanUnit_;
    QSpinBox* memberCount_;    // `Edit5`
    QLineEdit* span_;          // `Edit6`, L of a simple beam
    QTableView* memberGrid_;   // `StringGrid1`
    TextTableModel* members_;

    RadioGroup* sectionType_;                     // `RadioGroup2`
    std::array<QWidget*, 5> images_;              // Image1..Image5
    std::array<QLabel*, 4> dimensionLabels_;      // Label21..Label24
    std::array<QLineEdit*, 4> dimensionEdits_;    // Edit11..Edit14
    QPushButton* computeButton_;                  // `BitBtn1`, "Spočti"
    std::array<QLineEdit*, 4> valueEdits_;        // Edit7..Edit10
    std::vector<QLabel*> valueCaptions_;          // Label11..Label20

    QPushButton* backArrow_;
    QPushButton* nextArrow_;
};

}  // namespace kvor::ui
