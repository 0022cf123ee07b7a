#include "ui/recovery_copy.h"

#include "model/error.h"
#include "results/file_io.h"
#include "results/project_file.h"
#include "ui/message_service.h"
#include "ui/project_session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

namespace kvor::ui {

RecoveryCopy::RecoveryCopy(AppContext& context, QString folder, QObject* parent)
    : QObject(parent), context_(context)
{
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    path_ = QDir(folder).filePath(QStringLiteral("neulozeny-projekt.txt"));

    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryCopy::writeNow);
    // The clock runs only while something is unsaved; a save ends the need.
    connect(&context_.session, &ProjectSession::modifiedChanged, this, [this](bool modified) {
        if (modified) {
            timer_.start();
        } else {
            timer_.stop();
            remove();
        }
    });
    connect(&context_.session, &ProjectSession::slotStored, this, &RecoveryCopy::writeNow);
}

bool RecoveryCopy::exists() const
{
    return QFileInfo(path_).isFile();
}

void RecoveryCopy::writeNow()
{
    if (!context_.session.isModified())
        return;
    try {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        const std::string bytes =
            encodeProjectFile(context_.project, SaveVariant::InputOnly, context_.decimalSeparator);
        replaceFileContents(path_.toStdString(), bytes);
    } catch (const std::exception& e) {
        qWarning("Kopii neuloženého projektu nelze zapsat: %s", e.what());
    }
}

void RecoveryCopy::remove()
{
    QFile::remove(path_);
}

bool RecoveryCopy::offerRecovery()
{
    if (!exists())
        return false;
    const QString when = QFileInfo(path_).lastModified().toString(QStringLiteral("d.M.yyyy H:mm"));
    enum Answer { kRecover = 0, kDiscard = 1 };
    const int answer = context_.messages.question(
        QStringLiteral("Obnovit neuložený projekt z %1?").arg(when),
        {QStringLiteral("Obnovit"), QStringLiteral("Zahodit")});
    bool recovered = false;
    if (answer == kRecover) {
        recovered = context_.messages.runCommand([&] {
            const std::string bytes = readProjectFileText(path_.toStdString());
            std::optional<LoadedProjectFile> loaded = decodeProjectFile(bytes, context_.decimalSeparator);
            if (!loaded || !loaded->hasDataSection)
                throw Error("Kopie neuloženého projektu je poškozena");
            context_.session.recoverProject(std::move(loaded->project), context_.decimalSeparator);
        });
    }
    remove();
    return recovered;
}

}  // namespace kvor::ui
