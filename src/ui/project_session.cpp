#include "ui/project_session.h"

#include <utility>

namespace kvor::ui {

ProjectSession::ProjectSession(Project& project, QObject* parent) : QObject(parent), project_(project) {}

void ProjectSession::replaceProject(Project&& opened, const std::string& fileName)
{
    // Moved into the one project, whose parts the windows hold by reference.
    project_ = std::move(opened);
    project_.fileName = fileName;
    emit projectReplaced();
}

}  // namespace kvor::ui
