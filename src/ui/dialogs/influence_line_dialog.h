#pragma once
// The influence-line dialog: the points of one quantity slot typed by hand,
// read from a file or generated from the beam ("Z konstrukce"), checked when
// the focus leaves the table, and stored into the slot by "Zpět". While it is open the window that opened it is disabled.
// A stored line reopens read-only; "Opravit" unlocks it.
//
// The entry table lives here, not in the project, until "Zpět" stores it.

#include "model/project.h"
#include "model/text_table.h"
#include "ui/app_context.h"
#include "ui/widgets/file_pickers.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace kvor::ui {

class FocusExitWatcher;
class GeneratorPanel;
class RadioGroup;
class TextTableModel;

class InfluenceLineDialog : public QWidget {
    Q_OBJECT
public:
    explicit InfluenceLineDialog(AppContext& context, QWidget* parent = nullptr);
    ~InfluenceLineDialog() override;

    // Opens the dialog for slot k (1 to 5) over `opener`, which stays disabled
    // until the dialog closes. A stored slot is shown read-only.
    void openForSlot(int slot, QWidget* opener);
    // The slot being edited (1 to 5).
    int slotNumber() const;
    const TextTable& entryTable() const { return entry_; }

    void Edit1Change();                 // value count
    void RadioGroup1Click(int index);   // "Ručně" / "Načíst ze souboru" / "Z konstrukce"
    void BitBtn1Click();                // "Načíst"
    void BitBtn4Click();                // "Vygenerovat"
    void StringGrid1Exit();             // the table check
    void Edit6Exit();                   // the check of the section's station X
    void BitBtn2Click();                // "Zpět"
    void BitBtn3Click();                // "Opravit"

protected:
    void closeEvent(QCloseEvent* event) override;

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
    void closeDialog();
    void prepareGenerator(const QuantitySlot& slot);

    AppContext& context_;
    FocusExitWatcher* exits_;
    TextTable entry_;
    TextTableModel* entryModel_;
    QPointer<QWidget> opener_;
    bool edited_ = false;  // a field was typed in since the dialog opened

    QLabel* Label4;
    QLabel* Label1;
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
    QLabel* Label2;
    QSpinBox* Edit1;
    QTableView* StringGrid1;
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBox1;
    QComboBox* FilterComboBox1;
    FileListBox* FileListBox1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    GeneratorPanel* Panel1;
    // The station X of the section a typed or loaded line belongs to
    // (optional; a generated line has its X on Panel1).
    QLabel* Label10;
    QLineEdit* Edit6;
    LinkedPickers pickers_{};

    // What the last "Vygenerovat" (or the stored generated line) was made
    // with; "Zpět" in mode "Z konstrukce" stores it with the table.
    std::string generatedStation_;
    LineGeneratorParameters generated_;
};

}  // namespace kvor::ui
