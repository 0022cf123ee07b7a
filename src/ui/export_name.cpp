#include "ui/export_name.h"

#include "model/file_name_stem.h"

#include <QDir>
#include <QVariant>
#include <QWidget>

namespace kvor::ui {

namespace {
constexpr const char* kExportTitleProperty = "exportTitle";
}

void setExportTitle(QWidget* view, const QString& title)
{
    view->setProperty(kExportTitleProperty, title);
}

QString proposedExportPath(const QWidget& view, const QString& fallbackTitle, const QString& suffix)
{
    const QString title = view.property(kExportTitleProperty).toString();
    const std::string stem = fileNameStem((title.isEmpty() ? fallbackTitle : title).toStdString());
    return QDir::current().filePath(QString::fromStdString(stem) + suffix);
}

}  // namespace kvor::ui
