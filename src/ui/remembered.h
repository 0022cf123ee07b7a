#pragma once
// What the program remembers between runs, in the user's settings (QSettings
// of "Kvor" / "Kvor1.1"): the projects opened or saved last, the folder the
// engineer last worked in (the file pickers start there), and where each
// window stood on the screen.

#include <QString>
#include <QStringList>

class QWidget;

namespace kvor::ui {

inline constexpr int kRecentProjectCount = 8;

// The recent project files, the last used first; files that are gone are left out.
QStringList recentProjects();
// A project opened or saved: to the front of the list, which keeps at most
// kRecentProjectCount files; its folder becomes the last used one.
void rememberProject(const QString& path);

// The folder last used, when it still exists; empty otherwise.
QString lastFolder();

// The window comes back where the engineer left it: its position is saved
// when it is hidden and restored the first time it is shown, while that
// position still lies on a screen.
void rememberWindowPosition(QWidget* window);

}  // namespace kvor::ui
