#include "ui/windows/result_save_panel.h"

#include "results/project_file.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/widgets/file_pickers.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kvor::ui {

namespace {

QString stemOf(SaveVariant variant)
{
    const std::string_view stem = projectFileStem(variant);
    return QString::fromUtf8(stem.data(), static_cast<qsizetype>(stem.size()));
}

}  // namespace

SavePanel::SavePanel(AppContext& context, QWidget* window)
    : OverlayPanel(QStringLiteral("Panel3"), {110, 100, 425, 272}, window), context_(context), project_(context.project)
{
    makeLabel(this, QStringLiteral("Label74"), QStringLiteral("Uložení projektu"), {10, 8}, LabelStyle::Bold);
    DriveComboBox1 = new DriveComboBox(QStringLiteral("DriveComboBox1"), this);
    DriveComboBox1->setGeometry(10, 30, 190, 24);
    DirectoryListBox1 = new DirectoryListBox(QStringLiteral("DirectoryListBox1"), this);
    DirectoryListBox1->setGeometry(10, 58, 190, 200);

    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), {},
                                 {QStringLiteral("pouze vstupní data"), QStringLiteral("uložit včetně výsledků")},
                                 this);
    RadioGroup1->setGeometry(214, 30, 200, 60);
    makeLabel(this, QStringLiteral("Label75"), QStringLiteral("Jméno souboru:"), {214, 104});
    Edit26 = makeEdit(this, QStringLiteral("Edit26"), {214, 122, 200, 22});
    Edit26->setText(stemOf(SaveVariant::InputOnly));
    Edit26->setToolTip(QStringLiteral("Jméno souboru projektu; bez přípony se doplní .txt"));

    BitBtn7 = makeButton(this, QStringLiteral("BitBtn7"), QStringLiteral("Uložit"), {214, 230, 96, 28},
                         QStyle::SP_DialogSaveButton);
    BitBtn8 = makeButton(this, QStringLiteral("BitBtn8"), QStringLiteral("Storno"), {318, 230, 96, 28},
                         QStyle::SP_DialogCancelButton);

    pickers_ = {DriveComboBox1, DirectoryListBox1, nullptr, nullptr, QString()};
    linkPickers(this, context_.messages, pickers_);
    connect(RadioGroup1, &RadioGroup::itemClicked, this, &SavePanel::proposeVariantName);
    connect(BitBtn7, &QPushButton::clicked, this, &SavePanel::save);
    connect(BitBtn8, &QPushButton::clicked, this, &SavePanel::cancel);
}

void SavePanel::openForSaving()
{
    // Another window may have changed the working directory since the lists were filled.
    refreshPickers(pickers_);
    open();
}

void SavePanel::clearName()
{
    Edit26->clear();
}

void SavePanel::proposeVariantName(int index)
{
    // The variant proposes its name; a name of the engineer's own stays.
    const QString typed = Edit26->text().trimmed();
    if (typed.isEmpty() || typed == stemOf(SaveVariant::InputOnly) || typed == stemOf(SaveVariant::WithResults))
        Edit26->setText(stemOf(static_cast<SaveVariant>(index)));
}

void SavePanel::save()
{
    // The typed name, or the chosen variant's when none is typed.
    const auto variant = static_cast<SaveVariant>(RadioGroup1->itemIndex());
    const QString path = QDir::current().filePath(
        QString::fromStdString(savedProjectFileName(Edit26->text().toStdString(), variant)));
    // Another file of that name is replaced only when the engineer says so;
    // the project's own file is simply written anew.
    const QFileInfo target(path);
    const bool ownFile = !context_.session.projectFile().empty() &&
                         target.absoluteFilePath() == QString::fromStdString(context_.session.projectFile().string());
    if (target.isFile() && !ownFile) {
        enum Answer { kReplace = 0, kCancel = 1 };
        const QString question = QStringLiteral("Soubor „%1“ již existuje. Nahradit ho tímto projektem?")
                                     .arg(QDir::toNativeSeparators(target.absoluteFilePath()));
        if (context_.messages.question(question, {QStringLiteral("Nahradit"), QStringLiteral("Storno")}) != kReplace)
            return;
    }
    const bool written = context_.messages.runCommand(
        [&] { context_.session.saveProject(variant, path.toStdString(), context_.decimalSeparator); });
    // A failed save was shown in the error box; the panel stays open.
    if (!written)
        return;
    close();
    context_.messages.beep();
    // The file holds everything; say so before the engineer relies on
    // opening it again with a beam or section that no longer fits a slot.
    std::optional<std::string> fault;
    context_.messages.runCommand([&] { fault = reopeningFault(project_, context_.decimalSeparator); });
    if (fault)
        context_.messages.message("Projekt je uložen, ale zadání některého kabelu nebo příčinkové čáry už neodpovídá "
                                  "nosníku nebo průřezu; při otevření by se ze souboru načetly jen informace o "
                                  "projektu (program by hlásil: „" + *fault + "“). Opravte zadání a uložte projekt znovu.");
}

void SavePanel::cancel()
{
    Edit26->clear();
    close();
    context_.messages.beep();
}

}  // namespace kvor::ui
