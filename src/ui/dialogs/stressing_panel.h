#pragma once
// The stressing part of the tendon dialog: "Síly z napínání…" (`BitBtn3`),
// shown for the types stressed through their curvature, opens the stressing
// window over the tendon as its inputs stand (read-only while the
// definition is). The forces it computes go into the force field or column,
// and the stressing data stay here until "Zpět" stores them with the slot.
// Forces typed by hand stay possible; "Bez napínání" drops the data.

#include "model/project.h"
#include "ui/app_context.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace kvor::ui {

class StressingWindow;

class StressingPanel : public QObject {
    Q_OBJECT
public:
    // The button at its place on `dialog`, hidden until a type shows it.
    StressingPanel(AppContext& context, QWidget* dialog);
    ~StressingPanel() override;

    // The stressing data of a stored definition.
    void load(const TendonSlot& stored) { stressing_ = stored.stressing; }
    // Read-only while a stored definition is shown, until "Opravit".
    void setLocked(bool locked) { locked_ = locked; }
    // No stressing data for a new definition.
    void reset() { stressing_.reset(); }
    // The data the forces were computed from, for "Zpět" to store.
    const std::optional<TendonStressing>& stressing() const { return stressing_; }

    void setShown(bool shown);
    StressingWindow* window() const { return window_.get(); }

    // Opens the window over the dialog for slot k (1 to 5) and the tendon
    // `draft` as the dialog's inputs stand.
    void open(int slot, const TendonSlot& draft);
    // A force field or table left for the button: its check waits, and it gets
    // the focus back (and so its check) when the window closes, unless the
    // forces were computed meanwhile. False when the focus went elsewhere.
    bool leavingFor(QWidget* forceField);

signals:
    void openRequested();
    // The force column rows 1..n as the stressing window computed them.
    void forcesComputed(const std::vector<std::string>& forceTexts);

private:
    QWidget* dialog_;
    QPushButton* button_;
    std::unique_ptr<StressingWindow> window_;  // a window of its own, not a child
    std::optional<TendonStressing> stressing_;
    bool locked_ = false;
    QPointer<QWidget> uncheckedForces_;
};

}  // namespace kvor::ui
