#pragma once
// A panel of the result window: a raised frame lying over the window's middle,
// hidden until its command opens it. Closing it tells the window, which then
// enables its own commands again.

#include <QFrame>

namespace kvor::ui {

class OverlayPanel : public QFrame {
    Q_OBJECT
public:
    OverlayPanel(const QString& name, const QRect& geometry, QWidget* window);

    // Shows the panel above the window's other controls.
    void open();
    // Hides the panel and emits closed().
    void close();

signals:
    void closed();
};

}  // namespace kvor::ui
