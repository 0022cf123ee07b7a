#include "ui/windows/section_stress_window.h"

#include "prestress/section_check.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
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

namespace {
constexpr int kColumnWidth = 92;
constexpr int kRowHeight = 20;
// Five tendons, the group and the total under the headings, with the frame.
constexpr int kGridHeight = 8 * kRowHeight + 4;
constexpr int kGridWidth = 9 * kColumnWidth + 6;

}  // namespace

SectionStressWindow::SectionStressWindow(AppContext& context, QWidget* parent) : WorkingTablesWindow(context, parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Kvor1.1 - napětí v průřezu"));
    setFont(windowFont());
    resize(kGridWidth + 80, 640);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Napětí v průřezu od předpětí"), {},
                                LabelStyle::BoldUnderlined));
    message_ = makeLabel(this, QStringLiteral("Label2"), QString(), {});
    message_->setWordWrap(true);
    layout->addWidget(message_);

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
        block->setContentsMargins(0, 0, 0, 12);
        titles_[i] = makeLabel(blocks_[i], QStringLiteral("Label%1").arg(3 + 2 * i), QString(), {}, LabelStyle::Bold);
        grids_[i] = new WorkingGrid(QStringLiteral("StringGrid%1").arg(i + 1), &tables_[i], kColumnWidth, kRowHeight,
                                    blocks_[i]);
        setExportTitle(grids_[i], QStringLiteral("napětí v průřezu %1").arg(i + 1));
        grids_[i]->verticalHeader()->hide();  // the first column names the row
        grids_[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
        grids_[i]->setFixedSize(kGridWidth, kGridHeight);
        grids_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grids_[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        notes_[i] = makeLabel(blocks_[i], QStringLiteral("Label%1").arg(4 + 2 * i), QString(), {});
        notes_[i]->setWordWrap(true);
        notes_[i]->setFixedWidth(kGridWidth);
        block->addWidget(titles_[i]);
        block->addWidget(grids_[i]);
        block->addWidget(notes_[i]);
        blocks->addWidget(blocks_[i]);
    }
    blocks->addStretch();
    scroll->setWidget(page);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    backButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět"), {0, 0, 120, 28});
    backButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    buttons->addWidget(backButton_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(backButton_, &QPushButton::clicked, this, &SectionStressWindow::goBack);
}

void SectionStressWindow::loadFromModel()
{
    SectionChecks checks;
    context_.messages.runCommand([&] { checks = sectionChecks(context_.project, context_.decimalSeparator); });
    shown_ = static_cast<int>(checks.tables.size());
    QString message = toQString(checks.message);
    if (message.isEmpty() && shown_ == 0)
        message = QStringLiteral("Žádná vyhodnocená veličina typu „Ohybový moment“ nemá známé staničení "
                                 "posuzovaného průřezu X (zadává se u příčinkové čáry).");
    message_->setText(message);
    message_->setVisible(!message.isEmpty());

    const EvaluationResult& results = context_.project.results;
    for (size_t i = 0; i < kSlotCount; ++i) {
        const bool used = static_cast<int>(i) < shown_;
        if (used) {
            const SectionCheckTable& check = checks.tables[i];
            const auto q = static_cast<size_t>(check.quantity);
            QString title = QStringLiteral("%1. posuzovaná veličina: %2")
                                .arg(q + 1)
                                .arg(toQString(checkedQuantityKind(results, check.quantity)));
            if (!results.comment[q].empty())
                title += QStringLiteral(" (%1)").arg(toQString(results.comment[q]));
            titles_[i]->setText(title + QStringLiteral(", X = %1 m").arg(toQString(check.station)));
            notes_[i]->setText(toQString(sectionCheckNote(check)));
            tables_[i] = sectionCheckTextTable(check);
            grids_[i]->setFixedHeight(tables_[i].rowCount() * kRowHeight + 4);
        } else {
            tables_[i] = TextTable();
        }
        grids_[i]->reload();
        blocks_[i]->setVisible(used);
    }
}

void SectionStressWindow::goBack()
{
    hide();
    emit resultWindowRequested();
}

}  // namespace kvor::ui
