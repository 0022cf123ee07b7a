#include "ui/pages/slot_rows.h"

#include "ui/project_session.h"
#include "ui/widgets/window_setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kvor::ui {

namespace {

// The fields of slot i that a row edits: its text, its box's text, its draw flag.
struct EditedFields {
    std::string& text;
    std::string& boxText;
    bool& draw;
};

EditedFields editedFields(Project& project, SlotKind kind, size_t i)
{
    if (kind == SlotKind::Quantity) {
        QuantitySlot& slot = project.quantities[i];
        return {slot.description, slot.kindText, slot.draw};
    }
    TendonSlot& slot = project.tendons[i];
    return {slot.name, slot.typeText, slot.draw};
}

// The headings' left edges: the order number and the draw box stand a little
// right of their headings.
constexpr int kHeadingLefts[] = {14, 70, 262, 418, 480};
constexpr int kHeadingTop = 40;

QStringList boxItems(SlotKind kind)
{
    QStringList items;
    for (const char* label : kind == SlotKind::Quantity ? kQuantityKindLabels : kTendonTypeLabels)
        items << QString::fromUtf8(label);
    return items;
}

}  // namespace

SlotRows::SlotRows(AppContext& context, QWidget* page, const SlotRowsLayout& layout)
    : QObject(page), context_(context), kind_(layout.kind)
{
    for (size_t c = 0; c < layout.headings.size(); ++c)
        makeLabel(page, QString::fromUtf8(layout.headings[c].name), QString::fromUtf8(layout.headings[c].text),
                  {kHeadingLefts[c], kHeadingTop}, LabelStyle::Underlined);
    const QStringList items = boxItems(kind_);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const int index = static_cast<int>(i);
        SlotRow& row = rows_[i];
        row = makeSlotRow(page, layout.rows[i], index, layout.firstRowTop + index * layout.rowPitch, items);
        // The slots live as long as the project, whose parts a replacement keeps in place.
        EditedFields fields = editedFields(context_.project, kind_, i);
        connect(row.text, &QLineEdit::textChanged, this,
                [&text = fields.text](const QString& typed) { text = typed.toStdString(); });
        connect(row.box, &QComboBox::editTextChanged, this,
                [&boxText = fields.boxText](const QString& typed) { boxText = typed.toStdString(); });
        connect(row.draw, &QCheckBox::toggled, this, [&draw = fields.draw](bool on) { draw = on; });
        connect(row.enter, &QPushButton::clicked, this, [this, index] { requestEntry(index + 1); });
    }
    addButton_ = makeAddRowButton(page, layout.addButton, layout.buttonsLeft);
    removeButton_ = makeRemoveRowButton(page, layout.removeButton, layout.buttonsLeft);
    connect(addButton_, &QPushButton::clicked, this, &SlotRows::addRow);
    connect(removeButton_, &QPushButton::clicked, this, &SlotRows::removeRow);
    connect(&context_.session, &ProjectSession::projectReplaced, this, &SlotRows::loadFromModel);
    connect(&context_.session, &ProjectSession::slotStored, this, [this](SlotKind kind) {
        if (kind == kind_)
            loadFromModel();
    });
    loadFromModel();
}

SlotRowState SlotRows::rowState(size_t i) const
{
    if (kind_ == SlotKind::Quantity) {
        const QuantitySlot& slot = context_.project.quantities[i];
        return {slot.shown, slot.description, slot.kindText, slot.entered(), slot.draw, true};
    }
    const TendonSlot& slot = context_.project.tendons[i];
    return {slot.shown, slot.name, slot.typeText, slot.entered(), slot.draw, slot.typeBoxEnabled()};
}

template <class Operation>
auto SlotRows::onSlots(Operation operation)
{
    return kind_ == SlotKind::Quantity ? operation(context_.project.quantities) : operation(context_.project.tendons);
}

void SlotRows::loadFromModel()
{
    for (size_t i = 0; i < rows_.size(); ++i)
        rows_[i].show(rowState(i));
    const int shown = onSlots([](const auto& all) { return shownRowCount(all); });
    addButton_->setVisible(shown <= 4);
    removeButton_->setVisible(shown >= 2);
}

void SlotRows::addRow()
{
    onSlots([](auto& all) { return addSlotRow(all); });
    loadFromModel();
}

void SlotRows::removeRow()
{
    onSlots([](auto& all) { return removeSlotRow(all); });
    loadFromModel();
}

void SlotRows::requestEntry(int slot)
{
    emit entryRequested(slot);
}

}  // namespace kvor::ui
