#include "ui/remembered.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <memory>

namespace kvor::ui {

namespace {

const QString kRecentKey = QStringLiteral("projekty/nedavne");
const QString kFolderKey = QStringLiteral("projekty/slozka");

// The program's settings, opened anew where they are read (QSettings is no value).
std::unique_ptr<QSettings> openSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Kvor"), QStringLiteral("Kvor1.1"));
}

bool onSomeScreen(const QPoint& topLeft)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(topLeft))
            return true;
    return false;
}

// Saves the window's position on hide and restores it on its first show.
class PositionKeeper : public QObject {
public:
    explicit PositionKeeper(QWidget* window) : QObject(window), key_(QStringLiteral("okna/") + window->objectName())
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !restored_) {
            restored_ = true;
            const auto stored = openSettings();
            const QPoint position = stored->value(key_).toPoint();
            if (stored->contains(key_) && onSomeScreen(position))
                window->move(position);
        } else if (event->type() == QEvent::Hide && restored_) {
            const auto stored = openSettings();
            stored->setValue(key_, window->pos());
        }
        return false;
    }

private:
    QString key_;
    bool restored_ = false;
};

}  // namespace

QStringList recentProjects()
{
    const auto stored = openSettings();
    QStringList existing;
    for (const QString& path : stored->value(kRecentKey).toStringList())
        if (QFileInfo(path).isFile())
            existing << path;
    return existing;
}

void rememberProject(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const auto stored = openSettings();
    QStringList recent = stored->value(kRecentKey).toStringList();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentProjectCount)
        recent.removeLast();
    stored->setValue(kRecentKey, recent);
    stored->setValue(kFolderKey, QFileInfo(absolute).absolutePath());
}

QString lastFolder()
{
    const auto stored = openSettings();
    const QString folder = stored->value(kFolderKey).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void rememberWindowPosition(QWidget* window)
{
    new PositionKeeper(window);
}

}  // namespace kvor::ui
