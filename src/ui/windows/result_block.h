#pragma once
// The controls that show one quantity of the last evaluation: its block in the
// result window (row title, kind caption, comment, and per tendon a label
// with the unit above a read-only value field, a warning under the fields
// when the quantity's generated line no longer matches the beam, and
// "Veličina nebyla vyhodnocována!" lying over the block) and its line in the
// group panel. Both are views of EvaluationResult; they hold no rule of their own.

#include "model/project.h"

#include <QString>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace kvor::ui {

// "1.posuzovaná veličina" … "5.posuzovaná veličina" (q 0-based).
QString quantityRowTitle(int q);

// Shows a number text in a read-only field from its first character on, in a
// font small enough for the whole text to fit the field; the text is also its
// tooltip.
void showValueText(QLineEdit* field, const std::string& text);

class ResultBlock {
public:
    // Creates the controls of quantity q (0-based) with their window names at
    // the block's top edge `top`.
    ResultBlock(QWidget* window, int q, int top);

    // `warning`: what is said under the fields of an evaluated block ("" for nothing).
    void show(const EvaluationResult& results, const std::string& warning = {});

    static constexpr int kHeight = 92;

private:
    int q_;
    QLabel* title_;
    QLabel* caption_;
    QLabel* comment_;
    std::array<QLabel*, kSlotCount> tendonLabels_;
    std::array<QLineEdit*, kSlotCount> values_;
    std::array<QLabel*, kSlotCount> units_;
    QLabel* warning_;
    QLabel* notEvaluated_;
};

class GroupLine {
public:
    GroupLine(QWidget* panel, int q, int top);

    void show(const EvaluationResult& results);

private:
    int q_;
    QLabel* title_;
    QLabel* caption_;
    QLineEdit* sum_;
    QLabel* unit_;
    QLabel* notEvaluated_;
};

}  // namespace kvor::ui
