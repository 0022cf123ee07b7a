#pragma once
// The panels of the tendon dialog, one a tendon type, all at one place of the
// dialog and at most one shown: the straight tendon (`Panel3`: s1, s2, e, N),
// the broken tendon (`Panel4`: point count, point table and segment force
// table side by side), the simple parabola (`Panel5`: x1, e1, x2, e2, the
// mid-eccentricity, N and D) and the composite or combined tendon (`Panel6`:
// point count, point table and segment table of force and mid-eccentricity,
// and D). Each checks its fields when the focus leaves them and keeps its
// inputs until the dialog stores them.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"
#include "tendons/parabolic_checks.h"
#include "tendons/parabolic_store.h"
#include "tendons/tendon_store.h"
#include "ui/app_context.h"

#include <QFrame>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace kvor::ui {

class FocusExitWatcher;
class TextTableModel;

// A force field or table about to be left for "Síly z napínání…": true when
// its check is to wait for the stressing window.
using LeavingForStressing = std::function<bool(QWidget* forceField)>;

class TendonTypePanel : public QFrame {
    Q_OBJECT
public:
    // Shows a stored definition.
    virtual void load(const TendonSlot& stored) = 0;
    // "Zpět": checks the inputs and stores them into slot k (1 to 5) with
    // `stressing`; false, the fault reported, when nothing was stored.
    virtual bool store(int slot, const std::optional<TendonStressing>& stressing) = 0;
    // Read-only while a stored definition is shown, until "Opravit".
    virtual void setLocked(bool locked) = 0;
    // Empty inputs for a new definition.
    virtual void reset() = 0;
    // Where "Opravit" puts the focus.
    virtual QWidget* firstField() const = 0;

    // For the stressing window, of the types it applies to: the tendon as the
    // inputs stand (type, points, D; the forces as typed), and the forces it
    // computed written into the force field or column.
    virtual TendonSlot draft() const { return {}; }
    virtual void writeForces(const std::vector<std::string>& forceTexts) { (void)forceTexts; }

protected:
    TendonTypePanel(AppContext& context, FocusExitWatcher& exits, const QString& objectName, QWidget* dialog);

    void showReports(const Reports& reports);

    AppContext& context_;
    FocusExitWatcher& exits_;
};

class StraightTendonPanel : public TendonTypePanel {
    Q_OBJECT
public:
    StraightTendonPanel(AppContext& context, FocusExitWatcher& exits, QWidget* dialog);

    const StraightTendonInput& input() const { return input_; }

    void load(const TendonSlot& stored) override;
    bool store(int slot, const std::optional<TendonStressing>& stressing) override;
    void setLocked(bool locked) override;
    void reset() override;
    QWidget* firstField() const override;

    void checkFirstAnchorageField();
    void checkSecondAnchorageField();
    void checkEccentricityField();
    void checkForceField();

private:
    void setFields(const StraightTendonInput& input);

    StraightTendonInput input_;
    QLineEdit* edits_[4];  // s1, s2, e, N
};

class BrokenTendonPanel : public TendonTypePanel {
    Q_OBJECT
public:
    BrokenTendonPanel(AppContext& context, FocusExitWatcher& exits, LeavingForStressing leavingForStressing,
                      QWidget* dialog);
    ~BrokenTendonPanel() override;

    const TextTable& points() const { return points_; }
    const TextTable& forces() const { return forces_; }

    void load(const TendonSlot& stored) override;
    bool store(int slot, const std::optional<TendonStressing>& stressing) override;
    void setLocked(bool locked) override;
    void reset() override;
    QWidget* firstField() const override;
    TendonSlot draft() const override;
    void writeForces(const std::vector<std::string>& forceTexts) override;

    void changePointCount();
    void checkPoints();
    void checkForces();

private:
    void reloadTables();

    LeavingForStressing leavingForStressing_;
    TextTable points_;
    TextTable forces_;
    TextTableModel* pointModel_;
    TextTableModel* forceModel_;
    QSpinBox* pointCount_;
    QTableView* pointGrid_;
    QTableView* forceGrid_;
};

// What the two parabolic panels share: the whole check and the store, and
// beside D how far the chords lie from the parabola.
class ParabolicTendonPanel : public TendonTypePanel {
    Q_OBJECT
public:
    bool store(int slot, const std::optional<TendonStressing>& stressing) override;
    TendonSlot draft() const override;

    // The type the panel shows now.
    virtual TendonType type() const = 0;

protected:
    using TendonTypePanel::TendonTypePanel;

    // The tendon as the store holds it, and its D.
    virtual TextTable parabolicDraft() const = 0;
    virtual const std::string& divisions() const = 0;
    virtual std::optional<Report> incompleteness() const = 0;
    // Reports a fault; a table's fault also puts the cursor on its cell.
    virtual void showFault(const std::optional<TendonFault>& fault);
    void showChordDeviation();

    QLabel* chordNote_ = nullptr;  // beside D: what the chords cost

private:
    std::optional<TendonFault> checkAndStore(int slot, const std::optional<TendonStressing>& stressing);
};

class SimpleParabolaPanel : public ParabolicTendonPanel {
    Q_OBJECT
public:
    SimpleParabolaPanel(AppContext& context, FocusExitWatcher& exits, LeavingForStressing leavingForStressing,
                        QWidget* dialog);

    const SimpleParabolicInput& input() const { return input_; }
    TendonType type() const override { return TendonType::SimpleParabolic; }

    void load(const TendonSlot& stored) override;
    void setLocked(bool locked) override;
    void reset() override;
    QWidget* firstField() const override;
    void writeForces(const std::vector<std::string>& forceTexts) override;

    void checkField(Field field);  // x1, e1, x2, e2, the mid-eccentricity, N
    void checkDivisionCount();

protected:
    TextTable parabolicDraft() const override;
    const std::string& divisions() const override { return input_.divisions; }
    std::optional<Report> incompleteness() const override;

private:
    void setFields(const SimpleParabolicInput& input);

    LeavingForStressing leavingForStressing_;
    SimpleParabolicInput input_;
    QLineEdit* edits_[7];  // x1, e1, x2, e2, the mid-eccentricity, N, D
};

// The composite and the combined tendon: the same tables, checked by type.
class ParabolicTablesPanel : public ParabolicTendonPanel {
    Q_OBJECT
public:
    ParabolicTablesPanel(AppContext& context, FocusExitWatcher& exits, LeavingForStressing leavingForStressing,
                         QWidget* dialog);
    ~ParabolicTablesPanel() override;

    const TextTable& points() const { return points_; }
    const TextTable& segments() const { return segments_; }
    TendonType type() const override { return type_; }
    void setType(TendonType type);

    void load(const TendonSlot& stored) override;
    void setLocked(bool locked) override;
    void reset() override;
    QWidget* firstField() const override;
    void writeForces(const std::vector<std::string>& forceTexts) override;

    void changePointCount();
    void checkDivisionCount();
    void checkPoints();
    void checkSegments();

protected:
    TextTable parabolicDraft() const override;
    const std::string& divisions() const override { return divisions_; }
    std::optional<Report> incompleteness() const override;
    void showFault(const std::optional<TendonFault>& fault) override;

private:
    void reloadTables();

    LeavingForStressing leavingForStressing_;
    TendonType type_ = TendonType::None;
    TextTable points_;
    TextTable segments_;
    std::string divisions_;
    TextTableModel* pointModel_;
    TextTableModel* segmentModel_;
    QSpinBox* pointCount_;
    QLineEdit* divisionsEdit_;
    QTableView* pointGrid_;
    QTableView* segmentGrid_;
    int pointTableExtra_ = 0;  // pixels the headings add to the tables
    int segmentTableExtra_ = 0;
};

}  // namespace kvor::ui
