#pragma once
// "Síly z napínání" (`Form14`): how a broken or parabolic tendon is stressed,
// and the forces that follow, opened from the tendon dialog over the tendon as
// its tables stand. The stressing end `RadioGroup3`; P0, μ, k, Δs, E_p, A_p,
// the long-term losses and f_pk in `Edit15` … `Edit22`; "Vypočítat síly"
// `BitBtn6`, "Bez napínání" `BitBtn7`, "Zpět" `BitBtn8`; under them the anchor
// forces `Label29` and the chart `Chart3` of the force along the tendon; in
// red `Label32` while the tendon's forces no longer follow from its data.
//
// The window computes through the stressing core and hands what it computed
// to the tendon dialog (forcesComputed); the dialog writes the force column
// and keeps the data until its own "Zpět" stores them with the slot. While
// the window is open its opener is disabled. Enter in a field computes,
// Escape is "Zpět".

#include "model/project.h"
#include "stressing/tendon_stressing.h"
#include "ui/app_context.h"
#include "ui/dialogs/entry_window.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvor::ui {

class LineChartView;
class RadioGroup;

class StressingWindow : public EntryWindow {
    Q_OBJECT
public:
    explicit StressingWindow(AppContext& context, QWidget* parent = nullptr);

    // Shows the window over `opener` for the tendon `draft` (type, points and
    // D as the dialog's tables stand; the forces as typed), proposing
    // `stressing` or, when there is none, the defaults. Read-only shows the
    // data without the commands.
    void openFor(int slot, const TendonSlot& draft, const std::optional<TendonStressing>& stressing, bool readOnly,
                 QWidget* opener);

    // The data as the controls show them.
    TendonStressing input() const;
    LineChartView* chartView() const { return chart_; }

    void computeForces();  // "Vypočítat síly"
    void dropStressing();  // "Bez napínání"
    void goBack();  // "Zpět"

signals:
    // The force column rows 1..n (store rows, the last repeating the last
    // segment's) and the data they follow from.
    void forcesComputed(const std::vector<std::string>& forceTexts, const TendonStressing& stressing);
    // "Bez napínání": the tendon keeps its forces and loses its stressing data.
    void stressingRemoved();
    // The window was left, its opener enabled again.
    void closed();

protected:
    // Data typed since the forces were last computed: kept is the forces
    // computed from them.
    bool hasEdits() const override;
    void keepEdits() override;
    void leave() override { closeWindow(); }  // as "Zpět"

private:
    void setInput(const TendonStressing& stressing);
    void setLocked(bool locked);
    void showOutcome(const std::optional<TendonStressingOutcome>& outcome);
    void closeWindow();

    TendonSlot draft_;
    TendonStressing opened_;  // the data as shown at opening or last computed

    QLabel* title_;
    QLabel* staleNote_;  // the forces are stale
    RadioGroup* endGroup_;
    QLineEdit* edits_[8];  // Edit15 … Edit22
    QPushButton* computeButton_;
    QPushButton* dropButton_;
    QPushButton* backButton_;
    QLabel* anchorForces_;
    LineChartView* chart_;
    QLabel* legend_;  // what the lines are
};

}  // namespace kvor::ui
