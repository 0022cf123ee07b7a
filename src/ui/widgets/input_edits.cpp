#include "ui/widgets/input_edits.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>

namespace kvor::ui {

namespace {

bool holdsFocus(const QWidget* widget)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

}  // namespace

void watchInputEdits(QWidget* window, const std::function<void()>& edited)
{
    // textEdited is the user's alone; setText of a load does not emit it.
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textEdited, window, [edited] { edited(); });
    // A spin box's arrows change it without a keystroke into its text.
    for (QSpinBox* spin : window->findChildren<QSpinBox*>())
        QObject::connect(spin, &QSpinBox::valueChanged, window, [spin, edited] {
            if (holdsFocus(spin))
                edited();
        });
    for (QComboBox* combo : window->findChildren<QComboBox*>())
        QObject::connect(combo, &QComboBox::activated, window, [edited] { edited(); });
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isCheckable())
            QObject::connect(button, &QAbstractButton::clicked, window, [edited] { edited(); });
    for (QTableView* table : window->findChildren<QTableView*>()) {
        if (!table->model() || table->editTriggers() == QAbstractItemView::NoEditTriggers)
            continue;
        const auto cellsChanged = [table, edited] {
            if (holdsFocus(table))
                edited();
        };
        QObject::connect(table->model(), &QAbstractItemModel::dataChanged, window, cellsChanged);
        QObject::connect(table->model(), &QAbstractItemModel::rowsInserted, window, cellsChanged);
        QObject::connect(table->model(), &QAbstractItemModel::rowsRemoved, window, cellsChanged);
    }
}

}  // namespace kvor::ui
