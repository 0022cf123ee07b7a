#pragma once
// A radio group: a framed box of radio items of which one is chosen, with the
// index of the chosen item and a signal when the user clicks one.

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace kvor::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent);

    int itemIndex() const;
    // Chooses an item without the click signal; -1 chooses none.
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return items_.at(static_cast<size_t>(index)); }
    int itemCount() const { return static_cast<int>(items_.size()); }

signals:
    void itemClicked(int index);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> items_;
};

}  // namespace kvor::ui
