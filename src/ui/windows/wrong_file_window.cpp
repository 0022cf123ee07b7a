#include "ui/windows/wrong_file_window.h"

#include "ui/widgets/window_setup.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

WrongFileWindow::WrongFileWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setupFixedWindow(this, {292, 123}, TitleBar::CloseButton);
    setMessageWindowColour(this, QColor(0, 128, 0));

    const QStringList lines = {QStringLiteral("Nebyl vybrán správný"),
                               QStringLiteral("vstupní soubor pro program Kvor1.1")};
    for (int i = 0; i < lines.size(); ++i)
        makeMessageLine(this, QStringLiteral("Label%1").arg(i + 1), lines[i], 14 + 24 * i);

    auto* ok = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&OK"), {96, 80, 100, 28},
                          QStyle::SP_DialogYesButton);
    connect(ok, &QPushButton::clicked, this, &WrongFileWindow::goBack);
}

void WrongFileWindow::goBack()
{
    hide();
    emit startWindowRequested();
}

}  // namespace kvor::ui
