#pragma once
// The save panel of the result window (Panel3): a drive box and a directory
// list that choose the working directory, the save variant, the file name the
// variant gives (read-only), "Uložit" and "Storno". The file is written by the
// project file writer into the working directory.

#include "ui/app_context.h"
#include "ui/widgets/file_pickers.h"
#include "ui/windows/result_overlay_panel.h"

class QLineEdit;
class QPushButton;

namespace kvor::ui {

class RadioGroup;

class SavePanel : public OverlayPanel {
    Q_OBJECT
public:
    SavePanel(AppContext& context, QWidget* window);

    // Opens the panel on the current working directory.
    void openForSaving();
    // Empties the name field; the chosen variant stays.
    void clearName();

    void proposeVariantName(int index);  // the name of the clicked variant
    void save();                         // "Uložit"
    void cancel();                       // "Storno"

private:
    AppContext& context_;
    const Project& project_;  // only read: the session saves it
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBox1;
    RadioGroup* RadioGroup1;
    QLineEdit* Edit26;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    LinkedPickers pickers_{};
};

}  // namespace kvor::ui
