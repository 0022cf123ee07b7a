#include "ui/charts/chart_warning_panel.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvor::ui {

ChartWarningPanel::ChartWarningPanel(const QString& name, const std::array<QString, 3>& lines,
                                     const QString& backButtonName, QWidget* parent)
    : QFrame(parent), backButton_(new QPushButton(QStringLiteral("Zpět"), this))
{
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette red = palette();
    red.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x00));
    setPalette(red);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(4);
    for (const QString& text : lines) {
        auto* line = new QLabel(text, this);
        QFont bold = line->font();
        bold.setBold(true);
        line->setFont(bold);
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    layout->addStretch();

    backButton_->setObjectName(backButtonName);
    backButton_->setFixedSize(75, 25);
    // The button keeps the window's colours, not the panel's red.
    backButton_->setPalette(QPalette());
    layout->addWidget(backButton_, 0, Qt::AlignHCenter);
    connect(backButton_, &QPushButton::clicked, this, &QWidget::hide);

    hide();
}

}  // namespace kvor::ui
