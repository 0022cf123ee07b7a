#pragma once
// "Posouzení napětí": the stress check of the checked sections at transfer and
// in service. At the top the concrete (a strength class filling f_ck and
// f_ctm, the four strengths editable) and ψ2, each checked when the focus
// leaves it and kept in the project through the session; under them one block
// per checked quantity: its table (the five rows, their limits, the verdict
// coloured and the utilisation), the quantity's overall verdict, the sketch of
// the governing stresses over the depth, and the conventions. Or only the
// message that names what is missing. Built anew from the project each time
// the window is shown or the inputs change.

#include "check/stress_check.h"
#include "ui/windows/checked_sections_window.h"

class QComboBox;
class QLineEdit;

namespace kvor::ui {

class FocusExitWatcher;
class StressDiagram;

class StressCheckWindow : public CheckedSectionsWindow {
    Q_OBJECT
public:
    explicit StressCheckWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the project's inputs and the checks of its last evaluation.
    void loadFromModel() override;

    void classChosen(int index);  // the class box: fills f_ck and f_ctm
    void checkNow();              // "Posoudit": every field checked, the check shown anew

protected:
    // Closing through the frame asks about a field still being typed in, then goes back.
    void closeEvent(QCloseEvent* event) override;

private:
    CheckInput typedInput() const;
    void fieldExit(Field field);
    void showInput();
    void showChecks();

    std::array<QLineEdit*, 5> edits_;  // Edit1 … Edit5: f_ck, f_ctm, f_ck(t), f_ctm(t), ψ2
    QComboBox* concreteClass_;  // "Třída betonu"
    QPushButton* checkButton_;  // "Posoudit"
    FocusExitWatcher* exits_;

    std::array<QLabel*, kSlotCount> verdicts_;
    std::array<StressDiagram*, kSlotCount> diagrams_;
    std::array<QLabel*, kSlotCount> notes_;
};

}  // namespace kvor::ui
