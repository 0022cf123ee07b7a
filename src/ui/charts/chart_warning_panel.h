#pragma once
// The red warning panel shown in a chart's place when no slot is chosen for
// drawing: three bold lines of text and the button "Zpět" (`BitBtn12` under
// the influence lines, `BitBtn27` under the tendons), which hides the panel
// again.

#include <QFrame>
#include <QString>

#include <array>

class QPushButton;

namespace kvor::ui {

class ChartWarningPanel : public QFrame {
    Q_OBJECT
public:
    ChartWarningPanel(const QString& name, const std::array<QString, 3>& lines, const QString& backButtonName,
                      QWidget* parent);

    QPushButton* backButton() const { return backButton_; }

private:
    QPushButton* backButton_;
};

}  // namespace kvor::ui
