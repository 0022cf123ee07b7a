#pragma once
// Page "Informace o projektu": the project's name, description, author and
// creation date. The four edits are disabled once the texts came from a
// project file.

#include "ui/app_context.h"
#include "ui/pages/page_sheet.h"

class QLineEdit;
class QPushButton;

namespace kvor::ui {

class ProjectInfoPage : public PageSheet {
    Q_OBJECT
public:
    ProjectInfoPage(AppContext& context, QWidget* parent);

    // Shows the project information of the model.
    void loadFromModel();

    QPushButton* rightArrow() const { return BitBtn13; }
    QPushButton* helpButton() const { return Button3; }

private:
    AppContext& context_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* Button3;
    QPushButton* BitBtn13;
};

}  // namespace kvor::ui
