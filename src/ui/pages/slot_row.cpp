#include "ui/pages/slot_row.h"

#include "model/chart_series.h"
#include "ui/charts/chart_line_view.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

namespace kvor::ui {

namespace {

// Left edges of the columns, under the page's headings.
constexpr int kOrderX = 30;
constexpr int kTextX = 70;
constexpr int kBoxX = 262;
constexpr int kStatusX = 418;
constexpr int kDrawX = 502;
constexpr int kEnterX = 548;
constexpr int kRowButtonsTop = 6;
constexpr int kRowButtonPitch = 92;

QLabel* makeStatusLabel(QWidget* page, const char* name, const QString& text, QColor colour, QPoint at)
{
    QLabel* label = makeLabel(page, QString::fromUtf8(name), text, at, LabelStyle::Bold);
    QPalette look = label->palette();
    look.setColor(QPalette::WindowText, colour);
    label->setPalette(look);
    return label;
}

}  // namespace

SlotRow makeSlotRow(QWidget* page, const SlotRowNames& names, int slotIndex, int top, const QStringList& boxItems)
{
    SlotRow row{};
    row.order = makeStatusLabel(page, names.order, QString::number(slotIndex + 1),
                                chartColour(slotColour(slotIndex)), {kOrderX, top + 4});
    row.text = makeEdit(page, QString::fromUtf8(names.text), {kTextX, top, 184, 22});
    row.box = new QComboBox(page);
    row.box->setObjectName(QString::fromUtf8(names.box));
    row.box->setEditable(true);
    row.box->setInsertPolicy(QComboBox::NoInsert);
    row.box->addItems(boxItems);
    row.box->setCurrentIndex(-1);
    row.box->setGeometry(kBoxX, top, 148, 22);
    row.notEntered = makeStatusLabel(page, names.notEntered, QStringLiteral("nezadáno"), Qt::red,
                                     {kStatusX, top + 4});
    row.entered = makeStatusLabel(page, names.entered, QStringLiteral("zadáno"), Qt::black, {kStatusX, top + 4});
    row.draw = new QCheckBox(page);
    row.draw->setObjectName(QString::fromUtf8(names.draw));
    row.draw->setGeometry(kDrawX, top + 2, 18, 18);
    row.enter = makeButton(page, QString::fromUtf8(names.enter), QStringLiteral("Zadat"), {kEnterX, top - 1, 80, 24});
    return row;
}

void SlotRow::show(const SlotRowState& state)
{
    for (QWidget* w : std::initializer_list<QWidget*>{order, text, box, draw, enter})
        w->setVisible(state.shown);
    notEntered->setVisible(state.shown && !state.entered);
    entered->setVisible(state.shown && state.entered);

    const QSignalBlocker quietText(text);
    const QSignalBlocker quietBox(box);
    const QSignalBlocker quietDraw(draw);
    text->setText(QString::fromStdString(state.text));
    box->setEditText(QString::fromStdString(state.boxText));
    box->setEnabled(state.boxEnabled);
    draw->setChecked(state.draw);
    draw->setEnabled(state.entered);
}

QPushButton* makeAddRowButton(QWidget* page, const char* name, int left)
{
    QPushButton* button = makeButton(page, QString::fromUtf8(name), QStringLiteral("Další"), {left, kRowButtonsTop, 84, 25},
                                     QStyle::SP_ArrowDown);
    return button;
}

QPushButton* makeRemoveRowButton(QWidget* page, const char* name, int left)
{
    QPushButton* button = makeButton(page, QString::fromUtf8(name), QStringLiteral("Zpět"),
                                     {left + kRowButtonPitch, kRowButtonsTop, 84, 25}, QStyle::SP_ArrowUp);
    return button;
}

}  // namespace kvor::ui
