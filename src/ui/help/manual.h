#pragma once
// The manual inside the program: Czech HTML pages shipped with it, one
// chapter per window, with pictures of the windows that the build makes. F1
// in any window, and "Nápověda" where a window has the button, opens the
// chapter of that window in the help window.

#include <QString>

class QPushButton;
class QRect;
class QTabWidget;
class QWidget;

namespace kvor::ui {

// The folder holding the manual's index.html: share/kvor/help beside the
// installed program, else the build tree's; empty when neither holds it.
QString manualFolder();

// The chapter of a window as a page of the manual and an anchor in it
// ("kabely.html#napinani"), by the window's objectName (the main window's
// by its current page); the contents for a window without one.
QString chapterOfWindow(const QWidget* window);

// Where a chapter leads: the page's file in `folder` exists and, with an
// anchor, the page names that anchor (id="…" or name="…"). Returns an empty
// text when it does, else what is missing.
QString missingTarget(const QString& folder, const QString& chapter);

// Opens the help window at the chapter of `window` (the window F1 was pressed
// in, or whose "Nápověda" was clicked). Nothing happens while no help window
// exists (the program's shell creates it).
void showHelpFor(QWidget* window);

// "Nápověda": the button opening the chapter of its window.
QPushButton* makeHelpButton(QWidget* window, const QRect& geometry);

// The main window's "Nápověda": beside what stands in the top right corner of
// the page control (the save button), in the same row.
void addHelpCorner(QTabWidget* pages);

}  // namespace kvor::ui
