#include "ui/unsaved_work.h"

#include "results/project_file.h"
#include "ui/message_service.h"
#include "ui/project_session.h"

#include <QDir>
#include <QFileInfo>

namespace kvor::ui {

namespace {

QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

bool writeInput(AppContext& context, const QString& path)
{
    return context.messages.runCommand([&] {
        context.session.saveProject(SaveVariant::InputOnly, path.toStdString(), context.decimalSeparator);
    });
}

}  // namespace

bool saveInput(AppContext& context)
{
    const std::filesystem::path& file = context.session.projectFile();
    if (file.empty())
        return saveInputAs(context);
    return writeInput(context, pathText(file));
}

bool saveInputAs(AppContext& context)
{
    const std::filesystem::path& file = context.session.projectFile();
    const QString proposed =
        file.empty() ? QDir::current().filePath(QString::fromStdString(std::string(projectFileName(SaveVariant::InputOnly))))
                     : pathText(file);
    const QString path = context.messages.chooseSaveFile(QStringLiteral("Uložit projekt jako"), proposed,
                                                         QStringLiteral("Projekt Kvor1.1 (*.txt)"));
    return !path.isEmpty() && writeInput(context, path);
}

bool settleUnsavedWork(AppContext& context, const QString& before)
{
    if (!context.session.isModified())
        return true;
    enum Answer { kSave = 0, kDiscard = 1, kCancel = 2 };
    const std::filesystem::path& file = context.session.projectFile();
    const QString where = file.empty() ? QStringLiteral("Projekt nebyl dosud uložen")
                                       : QStringLiteral("Projekt „%1“ má neuložené změny").arg(pathText(file));
    const int answer = context.messages.question(
        where + QStringLiteral(". Uložit zadání %1?").arg(before),
        {QStringLiteral("Uložit"), QStringLiteral("Neukládat"), QStringLiteral("Storno")});
    if (answer == kSave)
        return saveInput(context);
    return answer == kDiscard;
}

EditsOnClose askAboutEdits(MessageService& messages, const QString& what)
{
    const int answer = messages.question(QStringLiteral("Zadání %1 bylo změněno. Ponechat změny?").arg(what),
                                         {QStringLiteral("Ponechat"), QStringLiteral("Zahodit"), QStringLiteral("Storno")});
    return answer == 0 ? EditsOnClose::Keep : answer == 1 ? EditsOnClose::Discard : EditsOnClose::Stay;
}

bool dropEditsOnClose(MessageService& messages, const QString& what, const std::function<void()>& keep)
{
    const EditsOnClose answer = askAboutEdits(messages, what);
    if (answer == EditsOnClose::Keep)
        keep();
    return answer == EditsOnClose::Discard;
}

QString projectWindowTitle(const AppContext& context)
{
    const std::filesystem::path& file = context.session.projectFile();
    if (file.empty())
        return kApplicationTitle + QStringLiteral("[*]");
    return kApplicationTitle + QStringLiteral(" – ") + QFileInfo(pathText(file)).fileName() + QStringLiteral("[*]");
}

}  // namespace kvor::ui
