#include "ui/windows/result_overlay_panel.h"

namespace kvor::ui {

OverlayPanel::OverlayPanel(const QString& name, const QRect& geometry, QWidget* window) : QFrame(window)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    // The panel hides what lies under it.
    setAutoFillBackground(true);
    setGeometry(geometry);
    hide();
}

void OverlayPanel::open()
{
    raise();
    show();
}

void OverlayPanel::close()
{
    hide();
    emit closed();
}

}  // namespace kvor::ui
