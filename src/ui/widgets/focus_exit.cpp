#include "ui/widgets/focus_exit.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kvor::ui {

FocusExitWatcher::FocusExitWatcher(QObject* parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusExitWatcher::focusChanged);
}

void FocusExitWatcher::watch(QWidget* field, std::function<void()> onExit)
{
    watched_.push_back({field, std::move(onExit)});
}

const FocusExitWatcher::Watched* FocusExitWatcher::fieldHolding(QWidget* widget) const
{
    if (!widget)
        return nullptr;
    for (const Watched& w : watched_)
        if (w.field && (w.field == widget || w.field->isAncestorOf(widget)))
            return &w;
    return nullptr;
}

void FocusExitWatcher::focusChanged(QWidget* old, QWidget* now)
{
    // Focus moves made by a check itself (putting the focus back, its message
    // box) are no exits; neither is a move to another window or to nowhere.
    if (checking_ || !old || !now || old->window() != now->window())
        return;
    if (QApplication::activeModalWidget())
        return;
    const Watched* left = fieldHolding(old);
    if (!left || left == fieldHolding(now))
        return;

    QPointer<QWidget> field = left->field;
    const std::function<void()> onExit = left->onExit;  // a copy: the check may add watches
    QWidget* window = now->window();
    checking_ = true;
    onExit();
    checking_ = false;

    // The check put the focus back: the click that took it away must not act.
    QWidget* focusNow = window->focusWidget();
    if (field && focusNow && (focusNow == field || field->isAncestorOf(focusNow)))
        dropPendingMousePress(window);
}

void FocusExitWatcher::dropPendingMousePress(QWidget* window)
{
    // The press that moved the focus is delivered right after this signal
    // returns; nothing else of the window may see it. The filter goes away
    // with the next round of the event loop.
    dropPressesIn_ = window;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        qApp->removeEventFilter(this);
        dropPressesIn_ = nullptr;
    });
}

bool FocusExitWatcher::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (dropPressesIn_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                           type == QEvent::MouseButtonRelease)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == dropPressesIn_)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kvor::ui
