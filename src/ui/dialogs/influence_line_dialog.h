#pragma once
// The influence-line dialog: the points of one quantity slot typed by hand,
// read from a file or generated from the beam ("Z konstrukce"), checked when
// the focus leaves the table, and stored into the slot by "Zpět". While it is
// open the window that opened it is disabled. A stored line reopens read-only;
// "Opravit" unlocks it.
//
// The entry table lives here, not in the project, until "Zpět" stores it.

#include "model/project.h"
#include "model/text_table.h"
#include "ui/app_context.h"
#include "ui/dialogs/slot_entry_dialog.h"
#include "ui/widgets/file_pickers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace kvor::ui {

class InfluenceGeneratorPanel;
class RadioGroup;
class TextTableModel;

class InfluenceLineDialog : public SlotEntryDialog {
    Q_OBJECT
public:
    explicit InfluenceLineDialog(AppContext& context, QWidget* parent = nullptr);
    ~InfluenceLineDialog() override;

    // Opens the dialog for slot k (1 to 5) over `opener`, which stays disabled
    // until the dialog closes. A stored slot is shown read-only.
    void openForSlot(int slot, QWidget* opener);
    const TextTable& entryTable() const { return entry_; }

    void changeValueCount();      // the value count typed or stepped
    void chooseMode(int index);   // "Ručně" / "Načíst ze souboru" / "Z konstrukce"
    void loadFile();              // "Načíst"
    void generateLine();          // "Vygenerovat"
    void checkTable();            // the table check
    void checkStation();          // the check of the section's station X
    void storeEntry() override;   // "Zpět"
    void correct();               // "Opravit"

protected:
    void dropEntry() override;

private:
    void buildControls();
    void buildFilePickers();
    void showMode(int index);
    void showEntryTable(bool shown);
    void reloadTable();
    void fitTable();
    void showValueCount(int count);
    void setFileControlsEnabled(bool enabled);
    void lockTable(bool locked);
    // Checks the station field and shows its fault; whether it may be stored.
    bool sectionStationAccepted();
    void prepareGenerator(const QuantitySlot& slot);

    TextTable entry_;
    TextTableModel* entryModel_;

    QLabel* title_;
    QLabel* modeCaption_;
    RadioGroup* modeGroup_;
    QLabel* countCaption_;
    QSpinBox* valueCount_;
    QTableView* table_;
    DriveComboBox* drives_;
    DirectoryListBox* folders_;
    QComboBox* filter_;
    FileListBox* files_;
    QLabel* fileCaption_;
    QLineEdit* fileName_;
    QPushButton* loadButton_;
    QPushButton* backButton_;
    QPushButton* correctButton_;
    InfluenceGeneratorPanel* generator_;
    // The station X of the section a typed or loaded line belongs to
    // (optional; a generated line has its X among the generator's inputs).
    QLabel* stationCaption_;
    QLineEdit* station_;
    LinkedPickers pickers_{};

    // What the last "Vygenerovat" (or the stored generated line) was made
    // with; "Zpět" in mode "Z konstrukce" stores it with the table.
    std::string generatedStation_;
    LineGeneratorParameters generated_;
};

}  // namespace kvor::ui
