#pragma once
// The tendon dialog: one tendon of the type chosen in the main window, its
// fields and tables checked when the focus leaves them, stored into the slot
// by "Zpět". While it is open the window that opened it is disabled. A stored
// definition reopens read-only; "Opravit" unlocks it.
//
// Panels in one place, at most one shown: Panel3 the straight tendon (s1, s2,
// e, N), Panel4 the broken tendon (point count, point table and segment force
// table side by side), Panel5 the simple parabola (x1, e1, x2, e2, the
// mid-eccentricity, N and D), Panel6 the composite and the combined tendon
// (point count, point table and segment table of force and mid-eccentricity,
// and D). Panel2, the notice for a type that cannot be evaluated, is no longer
// shown by any type. The inputs live here, not in the project, until "Zpět"
// stores them; for types 2 to 4 "Zpět" runs the whole check first.
//
// Types 1 to 4 also show "Síly z napínání…" (`BitBtn3`), which opens the
// stressing window over the tendon as its tables stand (read-only while the
// definition is): the forces it computes go into the force column, and the
// stressing data stay here until "Zpět" stores them with the slot. Forces
// typed by hand stay possible; "Bez napínání" drops the data.

#include "model/report.h"
#include "model/text_table.h"
#include "tendons/parabolic_checks.h"
#include "tendons/parabolic_store.h"
#include "tendons/tendon_store.h"
#include "ui/app_context.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace kvor::ui {

class FocusExitWatcher;
class RadioGroup;
class StressingWindow;
class TextTableModel;

class TendonDialog : public QWidget {
    Q_OBJECT
public:
    explicit TendonDialog(AppContext& context, QWidget* parent = nullptr);
    ~TendonDialog() override;

    // "Zadat" of slot k (1 to 5): the slot needs a type, and the structure
    // (without it a stored tendon still opens, read-only); then the dialog is
    // prepared and shown over `opener`, a stored slot with its definition.
    // Messages go over `opener`.
    void openForSlot(int slot, QWidget* opener);
    // The steps of opening: "Zadat" prepares the dialog for slot k (1 to 5) and the type box's text:
    // title, type line, slot number, type and panel; a slot that is not stored
    // starts with empty inputs.
    void prepareForSlot(int slot, std::string_view typeText);
    // Shows the prepared dialog over `opener`, which stays disabled until the
    // dialog closes.
    void showOver(QWidget* opener);
    // Shows the slot's stored definition read-only, with "Opravit".
    void loadStoredDefinition();

    int slotNumber() const;
    TendonType tendonType() const;
    const StraightTendonInput& straightInput() const { return straight_; }
    const TextTable& pointTable() const { return points_; }
    const TextTable& forceTable() const { return forces_; }
    const SimpleParabolicInput& simpleParabolicInput() const { return simple_; }
    const TextTable& parabolicPointTable() const { return parabolicPoints_; }
    const TextTable& segmentTable() const { return segments_; }
    // The stressing data the forces were computed from, kept until "Zpět".
    const std::optional<TendonStressing>& stressing() const { return stressing_; }
    StressingWindow* stressingWindow() const { return stressingWindow_.get(); }

    void Edit1Exit();  // s1
    void Edit2Exit();  // s2
    void Edit3Exit();  // e
    void Edit4Exit();  // N
    void Edit5Change();  // point count
    void StringGrid1Exit();  // point table
    void StringGrid2Exit();  // segment force table
    void SimpleFieldExit(Field field);  // Edit6..Edit11 of the simple parabola
    void Edit12Exit();  // D of the simple parabola
    void Edit13Change();  // point count of a composite or combined tendon
    void Edit14Exit();  // its D
    void StringGrid3Exit();  // its point table
    void StringGrid4Exit();  // its segment table
    void BitBtn1Click();  // "Zpět"
    void BitBtn2Click();  // "Opravit"
    void openStressingWindow();  // "Síly z napínání…"

signals:
    // The structure is missing: the page of the main window where it is entered.
    void inputPageRequested(Page page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStraightPanel();
    void buildBrokenPanel();
    void buildNoticePanel();
    void buildSimpleParabolaPanel();
    void buildParabolicTablesPanel();
    void lockParabolicTables(bool locked);
    void reloadParabolicTables();
    void showChordDeviation();
    void setSimpleFields(const SimpleParabolicInput& input);
    void showFault(const std::optional<TendonFault>& fault);
    TextTable parabolicDraft() const;
    std::optional<TendonFault> storeParabolic(int slot);
    void showPanel(QFrame* panel);
    void lockBrokenPanel(bool locked);
    void resetInputs();
    void setStraightFields(const StraightTendonInput& input);
    void reloadTables();
    void showPointCount(int count);
    void showReports(const Reports& reports);
    void closeDialog();
    TendonSlot stressingDraft() const;
    bool leavingForStressing(QWidget* forceTable);
    void writeComputedForces(const std::vector<std::string>& forceTexts, const TendonStressing& stressing);

    AppContext& context_;
    FocusExitWatcher* exits_;
    StraightTendonInput straight_;
    TextTable points_;
    TextTable forces_;
    TextTableModel* pointModel_;
    TextTableModel* forceModel_;
    SimpleParabolicInput simple_;
    TextTable parabolicPoints_;
    TextTable segments_;
    std::string divisions_;  // Edit14
    TextTableModel* parabolicPointModel_;
    TextTableModel* segmentModel_;
    QPointer<QWidget> opener_;
    bool edited_ = false;  // a field was typed in since the dialog opened
    std::optional<TendonStressing> stressing_;
    // A force table left for "Síly z napínání…" unchecked: it gets the focus
    // back, and so its check, unless the forces were computed meanwhile.
    QPointer<QWidget> uncheckedForces_;
    std::unique_ptr<StressingWindow> stressingWindow_;  // a window of its own, not a child

    QLabel* Label1;
    QLabel* Label2;
    RadioGroup* RadioGroup1;  // the type, hidden
    RadioGroup* RadioGroup2;  // the slot number, hidden
    QFrame* Panel2;
    QFrame* Panel3;
    QFrame* Panel4;
    QFrame* Panel5;
    QFrame* Panel6;
    int pointTableExtra_ = 0;    // pixels the headings add to the composite tendon's tables
    int segmentTableExtra_ = 0;
    QLineEdit* simpleEdits_[7];  // Edit6..Edit12
    QSpinBox* Edit13;
    QLineEdit* Edit14;
    QLabel* simpleChordNote_ = nullptr;  // beside D of the simple parabola: what the chords cost
    QLabel* tableChordNote_ = nullptr;   // the same beside D of the parabolic tables
    QTableView* StringGrid3;
    QTableView* StringGrid4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QSpinBox* Edit5;
    QTableView* StringGrid1;
    QTableView* StringGrid2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
};

}  // namespace kvor::ui
