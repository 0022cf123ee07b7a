#pragma once
// Focus-lost checks as a classic desktop program has them: a field's exit
// check runs when the input focus moves from the field to another control of
// the SAME window. A message box or another window taking the focus is no
// exit, so a check never re-fires on its own message box.
//
// A check that faults puts the focus back into its field. The watcher then
// also drops the mouse press that moved the focus away, so the button or tab
// that was clicked does not act on the faulty input (and is not left pressed).

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

namespace kvor::ui {

class FocusExitWatcher : public QObject {
public:
    explicit FocusExitWatcher(QObject* parent = nullptr);

    // Runs `onExit` whenever the focus leaves `field` (or a control inside it,
    // such as a table's cell editor) for another control of the same window.
    void watch(QWidget* field, std::function<void()> onExit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        QPointer<QWidget> field;
        std::function<void()> onExit;
    };

    void focusChanged(QWidget* old, QWidget* now);
    const Watched* fieldHolding(QWidget* widget) const;
    void dropPendingMousePress(QWidget* window);

    std::vector<Watched> watched_;
    bool checking_ = false;
    QPointer<QWidget> dropPressesIn_;
};

}  // namespace kvor::ui
