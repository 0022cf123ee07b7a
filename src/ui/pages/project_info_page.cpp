#include "ui/pages/project_info_page.h"

#include "ui/widgets/drawings.h"
#include "ui/widgets/picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvor::ui {

ProjectInfoPage::ProjectInfoPage(AppContext& context, QWidget* parent)
    : PageSheet(QStringLiteral("TabSheet1"), parent), context_(context)
{
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Základní informace o projektu"), {14, 12},
              LabelStyle::BoldUnderlined);

    const QStringList captions = {QStringLiteral("Jméno projektu"), QStringLiteral("Popis projektu"),
                                  QStringLiteral("Autor projektu"), QStringLiteral("Datum vytvoření projektu")};
    std::string ProjectInfo::*fields[] = {&ProjectInfo::name, &ProjectInfo::description, &ProjectInfo::author,
                                          &ProjectInfo::createdOn};
    QLineEdit* edits[4];
    for (int i = 0; i < 4; ++i) {
        const int y = 48 + i * 34;
        makeLabel(this, QStringLiteral("Label%1").arg(i + 2), captions[i], {30, y + 4}, LabelStyle::Bold);
        const int width = i == 3 ? 140 : 390;
        edits[i] = makeEdit(this, QStringLiteral("Edit%1").arg(i + 1), {200, y, width, 22});
        std::string ProjectInfo::*field = fields[i];
        connect(edits[i], &QLineEdit::textChanged, this,
                [this, field](const QString& text) { context_.project.info.*field = text.toStdString(); });
    }
    name_ = edits[0];
    description_ = edits[1];
    author_ = edits[2];
    createdOn_ = edits[3];

    helpButton_ = makeButton(this, QStringLiteral("Button3"), QStringLiteral("Pomoc"), {30, 200, 90, 25});

    auto* image = new Picture(QStringLiteral("Image6"), drawBeamDecoration, this);
    image->setGeometry(318, 196, 281, 153);

    nextArrow_ = addArrow(QStringLiteral("BitBtn13"), Arrow::Right);
}

void ProjectInfoPage::loadFromModel()
{
    const ProjectInfo& info = context_.project.info;
    name_->setText(QString::fromStdString(info.name));
    description_->setText(QString::fromStdString(info.description));
    author_->setText(QString::fromStdString(info.author));
    createdOn_->setText(QString::fromStdString(info.createdOn));
    for (QLineEdit* edit : {name_, description_, author_, createdOn_})
        edit->setEnabled(!info.readOnly);
}

}  // namespace kvor::ui
