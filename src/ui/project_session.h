#pragma once
// The owner of the run's one project. Commands that change the project as a
// whole go through it, and it tells the windows: each window subscribes to
// the signals it shows in its constructor, so no list of windows to refresh
// is kept anywhere.

#include "model/project.h"

#include <QObject>

#include <string>

namespace kvor::ui {

class ProjectSession : public QObject {
    Q_OBJECT
public:
    // `project` is the one project of the run; the windows hold its parts by reference.
    explicit ProjectSession(Project& project, QObject* parent = nullptr);

    Project& project() const { return project_; }

    // "Otevřít" of a file with a data section: the opened project, with the
    // name of its file, takes the place of the one of the run.
    void replaceProject(Project&& opened, const std::string& fileName);

signals:
    // A whole project took the place of the former one: show it anew.
    void projectReplaced();

private:
    Project& project_;
};

}  // namespace kvor::ui
