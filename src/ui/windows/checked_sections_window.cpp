#include "ui/windows/checked_sections_window.h"

#include "prestress/section_check.h"
#include "ui/qt_text.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace kvor::ui {

CheckedSectionsWindow::CheckedSectionsWindow(AppContext& context, QWidget* parent, const QString& name,
                                             const QString& caption, const QString& heading, QSize size)
    : WorkingTablesWindow(context, parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFont(windowFont());
    resize(size);

    layout_ = new QVBoxLayout(this);
    layout_->addWidget(makeLabel(this, QStringLiteral("Label1"), heading, {}, LabelStyle::BoldUnderlined));
}

void CheckedSectionsWindow::addBlocks(const BlockLook& look,
                                      const std::function<void(size_t i, QVBoxLayout* block)>& below)
{
    message_ = makeLabel(this, QStringLiteral("Label2"), QString(), {});
    message_->setWordWrap(true);
    layout_->addWidget(message_);

    // The checked quantities are few, but five tables do not fit a laptop's
    // screen: they scroll together.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    auto* blocks = new QVBoxLayout(page);
    for (size_t i = 0; i < kSlotCount; ++i) {
        blocks_[i] = new QWidget(page);
        auto* block = new QVBoxLayout(blocks_[i]);
        block->setContentsMargins(0, 0, 0, look.spacing);
        const int title = look.firstTitle + look.titleStep * static_cast<int>(i);
        titles_[i] = makeLabel(blocks_[i], QStringLiteral("Label%1").arg(title), QString(), {}, LabelStyle::Bold);
        grids_[i] = new WorkingGrid(QStringLiteral("StringGrid%1").arg(i + 1), &tables_[i], look.columnWidth,
                                    look.rowHeight, blocks_[i]);
        grids_[i]->verticalHeader()->hide();  // the first column names the row
        grids_[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
        grids_[i]->setFixedSize(look.gridSize);
        grids_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grids_[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        block->addWidget(titles_[i]);
        block->addWidget(grids_[i]);
        below(i, block);
        blocks->addWidget(blocks_[i]);
    }
    blocks->addStretch();
    scroll->setWidget(page);
    layout_->addWidget(scroll, 1);
}

void CheckedSectionsWindow::addBackButton()
{
    auto* buttons = new QHBoxLayout;
    backButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět"), {0, 0, 120, 28},
                             QStyle::SP_ArrowBack);
    buttons->addWidget(backButton_);
    buttons->addStretch();
    layout_->addLayout(buttons);
    connect(backButton_, &QPushButton::clicked, this, &CheckedSectionsWindow::goBack);
}

void CheckedSectionsWindow::showMessage(const QString& message)
{
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

QString CheckedSectionsWindow::blockTitle(int quantity, const std::string& station) const
{
    const EvaluationResult& results = project_.results;
    const auto q = static_cast<size_t>(quantity);
    QString title = QStringLiteral("%1. posuzovaná veličina: %2")
                        .arg(q + 1)
                        .arg(toQString(checkedQuantityKind(results, quantity)));
    if (!results.comment[q].empty())
        title += QStringLiteral(" (%1)").arg(toQString(results.comment[q]));
    return title + QStringLiteral(", X = %1 m").arg(toQString(station));
}

void CheckedSectionsWindow::goBack()
{
    hide();
    emit resultWindowRequested();
}

}  // namespace kvor::ui
