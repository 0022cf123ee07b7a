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

    QPushButton* rightArrow() const { return nextArrow_; }
    QPushButton* helpButton() const { return helpButton_; }

private:
    AppContext& context_;
    QLineEdit* name_;
    QLineEdit* description_;
    QLineEdit* author_;
    QLineEdit* createdOn_;
    QPushButton* helpButton_;
    QPushButton* nextArrow_;
};

}  // namespace kvor::ui
