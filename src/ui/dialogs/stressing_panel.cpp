#include "ui/dialogs/stressing_panel.h"

#include "ui/dialogs/stressing_window.h"
#include "ui/widgets/window_setup.h"

#include <QApplication>
#include <QPushButton>

namespace kvor::ui {

StressingPanel::StressingPanel(AppContext& context, QWidget* dialog)
    : QObject(dialog), dialog_(dialog), window_(std::make_unique<StressingWindow>(context))
{
    button_ =
        makeButton(dialog, QStringLiteral("BitBtn3"), QStringLiteral("Síly z napínání…"), {16, 316, 140, 28});
    button_->hide();
    connect(button_, &QPushButton::clicked, this, &StressingPanel::openRequested);
    connect(window_.get(), &StressingWindow::forcesComputed, this,
            [this](const std::vector<std::string>& forceTexts, const TendonStressing& stressing) {
                stressing_ = stressing;
                uncheckedForces_ = nullptr;
                emit forcesComputed(forceTexts);
            });
    connect(window_.get(), &StressingWindow::stressingRemoved, this, [this] { stressing_.reset(); });
    connect(window_.get(), &StressingWindow::closed, this, [this] {
        if (uncheckedForces_ && uncheckedForces_->isVisible())
            uncheckedForces_->setFocus(Qt::OtherFocusReason);
        uncheckedForces_ = nullptr;
    });
}

StressingPanel::~StressingPanel() = default;

void StressingPanel::setShown(bool shown)
{
    button_->setVisible(shown);
}

void StressingPanel::open(int slot, const TendonSlot& draft)
{
    window_->openFor(slot, draft, stressing_, locked_, dialog_);
}

bool StressingPanel::leavingFor(QWidget* forceField)
{
    // The forces are about to be computed: an empty force column is no fault
    // then. Checked later all the same if they are not computed.
    if (QApplication::focusWidget() != button_)
        return false;
    uncheckedForces_ = forceField;
    return true;
}

}  // namespace kvor::ui
