#include "ui/windows/load_effects_window.h"

#include "loads/load_input.h"
#include "loads/load_views.h"
#include "model/numbers.h"
#include "structure/beam.h"
#include "ui/charts/chart_line_view.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/project_session.h"
#include "ui/qt_text.h"
#include "ui/widgets/window_setup.h"
#include "ui/widgets/working_grid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kvor::ui {

namespace {
constexpr int kColumnWidth = 78;
constexpr int kFirstColumnWidth = 190;

}  // namespace

LoadEffectsWindow::LoadEffectsWindow(AppContext& context, QWidget* parent) : WorkingTablesWindow(context, parent)
{
    // Shown, it follows what the effects are computed from.
    for (auto changed : {&ProjectSession::projectReplaced, &ProjectSession::loadsChanged, &ProjectSession::resultsChanged})
        connect(&context_.session, changed, this, &LoadEffectsWindow::reloadIfShown);
    connect(&context_.session, &ProjectSession::slotStored, this, &LoadEffectsWindow::reloadIfShown);
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Kvor1.1 - účinky zatížení"));
    setFont(windowFont());
    const int gridWidth = kFirstColumnWidth + 11 * kColumnWidth + 24;
    resize(gridWidth + 24, 640);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Účinky zatížení"), {},
                                LabelStyle::BoldUnderlined));
    message_ = makeLabel(this, QStringLiteral("Label2"), QString(), {});
    message_->setWordWrap(true);
    layout->addWidget(message_);
    loadsLine_ = makeLabel(this, QStringLiteral("Label3"), QString(), {});
    loadsLine_->setWordWrap(true);
    layout->addWidget(loadsLine_);

    grid_ = new WorkingGrid(QStringLiteral("StringGrid1"), &table_, kColumnWidth, WorkingGrid::kRowHeight, this);
    setExportTitle(grid_, QStringLiteral("účinky zatížení"));
    grid_->verticalHeader()->hide();  // the first column names the quantity
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setFixedHeight(6 * WorkingGrid::kRowHeight + 4);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(grid_);
    auto* note = makeLabel(this, QStringLiteral("Label6"),
                           QStringLiteral("G0, G1: stálá zatížení po celé délce; Q+, Q−: q na kladných, resp. "
                                          "záporných úsecích čáry; T+, T−: největší a nejmenší účinek skupiny náprav, "
                                          "p staničení první nápravy, d „+“ když ostatní nápravy následují "
                                          "ve větších staničeních."),
                           {});
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* chartBar = new QHBoxLayout;
    chartTitle_ = makeLabel(this, QStringLiteral("Label4"), QString(), {}, LabelStyle::Bold);
    chartBar->addWidget(chartTitle_);
    chartBar->addStretch();
    showAxles_ = new QCheckBox(QStringLiteral("Zobrazit polohy T+ a T−"), this);
    showAxles_->setObjectName(QStringLiteral("CheckBox1"));
    showAxles_->setChecked(true);
    chartBar->addWidget(showAxles_);
    layout->addLayout(chartBar);
    chart_ = new LineChartView(LineChartLook{QStringLiteral("Chart1"), QSize(gridWidth, 260),
                                             QStringLiteral("staničení [m]"), QStringLiteral("pořadnice"), false,
                                             QStringLiteral("Příčinková čára a polohy skupiny náprav")},
                               this);
    chart_->setDecimalSeparator(context.decimalSeparator);
    layout->addWidget(chart_);
    legend_ = makeLabel(this, QStringLiteral("Label5"), QString(), {});
    legend_->setTextFormat(Qt::RichText);
    layout->addWidget(legend_);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    backButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět"), {0, 0, 120, 28},
                             QStyle::SP_ArrowBack);
    backButton_->setAutoDefault(true);
    buttons->addWidget(backButton_);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(backButton_, &QPushButton::clicked, this, &LoadEffectsWindow::goBack);
    connect(showAxles_, &QCheckBox::toggled, this, [this] { showChart(chartRow_); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showChart(current.isValid() ? current.row() : -1); });
}

void LoadEffectsWindow::loadFromModel()
{
    effects_.clear();
    lines_.clear();
    axles_ = {};
    chartRow_ = -1;
    const Project& project = project_;
    const char sep = context_.decimalSeparator;
    QString message;
    QString loadsLine;
    if (!project.loads.entered()) {
        message = QStringLiteral("Zatížení není zadáno. Zadejte je tlačítkem „Zatížení…“ na stránce "
                                 "„Příčinkové čáry“ hlavního okna.");
    } else {
        const bool ran = context_.messages.runCommand([&] {
            const LoadValues loads = loadValues(project.loads, sep);
            std::vector<QuantityLoadEffects> effects = projectLoadEffects(project, loads, sep);
            std::vector<LinePoints> lines;
            for (const QuantityLoadEffects& q : effects)
                lines.push_back(slotLinePoints(project.quantities[static_cast<size_t>(q.slot)], sep));
            totalLength_ = effects.empty() ? 0 : totalBeamLength(project.beam, sep);
            const auto number = [&](long double v) { return toQString(formatNumber(v, sep)); };
            loadsLine = QStringLiteral("g0 = %1 kN/m, g1 = %2 kN/m, q = %3 kN/m, náprav: %4")
                            .arg(number(loads.uniform.selfWeight), number(loads.uniform.permanent),
                                 number(loads.uniform.variable))
                            .arg(loads.axles.forces.size());
            effects_ = std::move(effects);
            lines_ = std::move(lines);
            axles_ = loads.axles;
        });
        if (!ran)
            message = QStringLiteral("Účinky zatížení nelze vypočítat.");
        else if (effects_.empty())
            message = QStringLiteral("Žádná veličina nemá zadanou příčinkovou čáru.");
    }
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    loadsLine_->setText(loadsLine);
    loadsLine_->setVisible(!loadsLine.isEmpty());

    const bool shown = !effects_.empty();
    table_ = shown ? loadEffectsTable(project, effects_, sep) : TextTable();
    grid_->reload();
    if (shown)
        grid_->horizontalHeader()->resizeSection(0, kFirstColumnWidth);
    for (QWidget* w : {static_cast<QWidget*>(grid_), static_cast<QWidget*>(showAxles_),
                       static_cast<QWidget*>(chartTitle_), static_cast<QWidget*>(chart_), static_cast<QWidget*>(legend_)})
        w->setVisible(shown);
    if (shown)
        grid_->setCurrentIndex(grid_->model()->index(0, 0));
    showChart(shown ? 0 : -1);
}

void LoadEffectsWindow::showChart(int row)
{
    chartRow_ = row;
    if (row < 0 || row >= static_cast<int>(effects_.size())) {
        chart_->showSeries({});
        chartTitle_->clear();
        legend_->clear();
        return;
    }
    const QuantityLoadEffects& q = effects_[static_cast<size_t>(row)];
    const QuantitySlot& slot = project_.quantities[static_cast<size_t>(q.slot)];
    chartTitle_->setText(toQString(loadQuantityName(slot, q.slot)));
    chart_->showSeries(loadChartSeries(lines_[static_cast<size_t>(row)], totalLength_, q.effects, axles_,
                                       showAxles_->isChecked() && !axles_.empty()));

    // The arrows named with the extremes they stand for.
    QString legend = QStringLiteral("<span style='color:#008000'>━ příčinková čára</span>");
    if (!axles_.empty()) {
        const std::array<std::string, 10> texts = loadEffectTexts(q.effects, context_.decimalSeparator);
        const QString unit = toQString(loadEffectUnit(slot));
        const auto placement = [&](const char* colour, const char* name, size_t at) {
            return QStringLiteral("&nbsp;&nbsp;&nbsp;<span style='color:%1'>↓ %2 = %3 %4, p = %5 m, d = %6</span>")
                .arg(QString::fromLatin1(colour), QString::fromUtf8(name), toQString(texts[at]), unit.toHtmlEscaped(),
                     toQString(texts[at + 1]), toQString(texts[at + 2]));
        };
        legend += placement("#ff0000", "T+", 4) + placement("#0000ff", "T−", 7);
    }
    legend_->setText(legend);
}

// "Zpět", and closing through the frame: back to the result window.
void LoadEffectsWindow::goBack()
{
    hide();
    emit resultWindowRequested();
}

}  // namespace kvor::ui
