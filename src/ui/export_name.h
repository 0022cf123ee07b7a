#pragma once
// The file names proposed when a table or a chart is saved: named after what
// it shows ("sila-v-kabelu-po-delce-nosniku.png", "kabel-2.csv"), never after a
// control.

#include <QString>

class QWidget;

namespace kvor::ui {

// What the view shows, in words, as the engineer would title the file.
void setExportTitle(QWidget* view, const QString& title);

// The path proposed for saving the view as `suffix` (".csv", ".png"): in the
// current folder, named after its export title, else after `fallbackTitle`.
QString proposedExportPath(const QWidget& view, const QString& fallbackTitle, const QString& suffix);

}  // namespace kvor::ui
