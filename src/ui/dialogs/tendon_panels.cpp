#include "ui/dialogs/tendon_panels.h"

#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_checks.h"
#include "tendons/tendon_dialog_state.h"
#include "ui/export_name.h"
#include "ui/field_controls.h"
#include "ui/message_service.h"
#include "ui/models/text_table_model.h"
#include "ui/project_session.h"
#include "ui/qt_text.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/grid_geometry.h"
#include "ui/widgets/window_setup.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <tuple>
#include <utility>

namespace kvor::ui {

namespace {

// The tables of the broken tendon; the force table stands beside the point
// table and half a row lower, so that each force lies between its two points.
constexpr QPoint kPointTablePlace{10, 42};
constexpr int kTableGap = 4;
constexpr int kForceTableDrop = kGridRowPitch / 2 + 1;

const QStringList kConventionLines = {
    QStringLiteral("Staničení kotvení kabelů"),       QStringLiteral("odpovídá vzdálenosti místa "),
    QStringLiteral("kotvení od počátku nosníku."),    QStringLiteral("Poloha kabelu - vzdálenost od"),
    QStringLiteral("neutrální osy je kladná směrem"), QStringLiteral("dolů od n.osy a záporná směrem"),
    QStringLiteral("nahoru od n.osy."),               QStringLiteral("Velikost předpínací síly N se"),
    QStringLiteral("zadává se záporným znaménkem"),   QStringLiteral("- tlak."),
};
const QStringList kParabolaLines = {
    QStringLiteral("Excentricita uprostřed úseku je"), QStringLiteral("poloha kabelu ve středu"),
    QStringLiteral("staničení mezi body úseku."),      QStringLiteral("Parabola se nahradí D tětivami"),
    QStringLiteral("(D od 1 do 1000)."),
};
const QStringList kCombinedLines = {
    QStringLiteral("Úsek bez excentricity uprostřed"),
    QStringLiteral("je přímý (jen u kombinovaného"),
    QStringLiteral("kabelu)."),
};
const QStringList kSegmentForceLines = {
    QStringLiteral("Předpínací síla přísluší úseku"),
    QStringLiteral("mezi dvěmi sousedními body"),
    QStringLiteral("předpínacího kabelu."),
};

// Widens the columns of an entry grid whose headings do not fit them; returns
// the pixels added.
int fitColumnsToHeadings(QTableView* grid)
{
    const QHeaderView* header = grid->horizontalHeader();
    int added = 0;
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString();
        const int width = std::max(kGridColumnPitch, header->fontMetrics().horizontalAdvance(heading) + 12);
        grid->setColumnWidth(c, width);
        added += width - kGridColumnPitch;
    }
    return added;
}

constexpr int kMemoWidth = 186;
// Where the help text of the composite tendon's panel stands with columns of the usual width.
constexpr int kParabolicMemoLeft = 408;

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, const QStringList& lines,
                         const QRect& geometry = {344, 8, kMemoWidth, 230})
{
    auto* memo = new QPlainTextEdit(lines.join(QLatin1Char('\n')), parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setGeometry(geometry);
    return memo;
}

QSpinBox* makePointCount(QWidget* parent, const QString& name)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(kMinPointCount, kMaxPointCount);
    spin->setWrapping(false);
    // A typed count takes effect when typing ends, not at each digit.
    spin->setKeyboardTracking(false);
    spin->setGeometry(112, 10, 70, 22);
    return spin;
}

// Shows `count` without announcing it as a count typed or stepped.
void showPointCount(QSpinBox* spin, int count)
{
    const QSignalBlocker quiet(spin);
    spin->setValue(count);
}

// The count typed or stepped into `spin` given to the two tables by
// `rebuild`, which returns the count they took (a count out of range is
// clamped), and the tables shown anew by `reload`; the spin then shows that
// count.
void takePointCount(MessageService& messages, QSpinBox* spin,
                    int (*rebuild)(TextTable&, TextTable&, std::string_view), TextTable& points, TextTable& others,
                    const std::function<void()>& reload)
{
    messages.runCommand([&] {
        const int count = rebuild(points, others, spin->cleanText().toStdString());
        reload();
        if (count != spin->value())
            showPointCount(spin, count);
    });
}

// The point table at its place and the force (or segment) table beside the
// point table of the fewest points (`narrowest`), half a row lower; the
// extras widen the tables.
void placeTendonTables(QTableView* pointGrid, QTableView* forceGrid, const TendonTablesGeometry& g,
                       const TendonTablesGeometry& narrowest, int pointExtra = 0, int forceExtra = 0)
{
    placeGrid(pointGrid, QRect(kPointTablePlace, QSize(g.pointWidth + pointExtra, g.pointHeight)), g.scrollBars);
    const QPoint forcePlace(kPointTablePlace.x() + narrowest.pointWidth + pointExtra + kTableGap + g.forceShift,
                            kPointTablePlace.y() + kForceTableDrop);
    placeGrid(forceGrid, QRect(forcePlace, QSize(g.forceWidth + forceExtra, g.forceHeight)), g.scrollBars);
}

// Two tables side by side scroll together, so each segment stays between its points.
void scrollTogether(QTableView* a, QTableView* b)
{
    QScrollBar* barA = a->verticalScrollBar();
    QScrollBar* barB = b->verticalScrollBar();
    QObject::connect(barA, &QScrollBar::valueChanged, barB, &QScrollBar::setValue);
    QObject::connect(barB, &QScrollBar::valueChanged, barA, &QScrollBar::setValue);
}

// One of the two tables side by side: its grid's name and export title, and
// the check run when the focus leaves it.
struct SideTable {
    QString name;
    TextTableModel* model;
    QString exportTitle;
    std::function<void()> check;
};

// The point grid and the force (or segment) grid beside it, scrolling together.
std::pair<QTableView*, QTableView*> makeSideTables(QWidget* panel, FocusExitWatcher& exits, const SideTable& points,
                                                   const SideTable& others)
{
    QTableView* pointGrid = makeEntryGrid(panel, points.name, points.model);
    QTableView* otherGrid = makeEntryGrid(panel, others.name, others.model);
    setExportTitle(pointGrid, points.exportTitle);
    setExportTitle(otherGrid, others.exportTitle);
    scrollTogether(pointGrid, otherGrid);
    exits.watch(pointGrid, points.check);
    exits.watch(otherGrid, others.check);
    return {pointGrid, otherGrid};
}

// Row r of a segment column is the force of the segment from point r.
void writeForceColumn(TextTable& column, TextTableModel* model, const std::vector<std::string>& texts)
{
    for (int r = 1; r < column.rowCount() && r <= static_cast<int>(texts.size()); ++r)
        column.setCell(r, 0, texts[static_cast<size_t>(r) - 1]);
    model->reload();
}

}  // namespace

// ---------------------------------------------------------------- the panel

TendonTypePanel::TendonTypePanel(AppContext& context, FocusExitWatcher& exits, const QString& objectName,
                                 QWidget* dialog)
    : QFrame(dialog), context_(context), exits_(exits)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(8, 60, 537, 246);
    hide();
}

void TendonTypePanel::showReports(const Reports& reports)
{
    for (const Report& report : reports)
        context_.messages.showReport(report, window());
}

// ---------------------------------------------------------------- straight

StraightTendonPanel::StraightTendonPanel(AppContext& context, FocusExitWatcher& exits, QWidget* dialog)
    : TendonTypePanel(context, exits, QStringLiteral("Panel3"), dialog)
{
    const QString captions[] = {
        QStringLiteral("1.bod kotvení - staničení [m] ................................."),
        QStringLiteral("2.bod kotvení - staničení [m] ................................."),
        QStringLiteral("Poloha kabelu - vzdálenost od n. osy e [m] ..........."),
        QStringLiteral("Velikost předpínací síly v kabelu N [kN]................"),
    };
    std::string StraightTendonInput::*fields[] = {&StraightTendonInput::s1, &StraightTendonInput::s2,
                                                  &StraightTendonInput::e, &StraightTendonInput::n};
    for (int i = 0; i < 4; ++i) {
        const int y = 16 + i * 36;
        makeLabel(this, QStringLiteral("Label%1").arg(4 + i), captions[i], {10, y + 4});
        edits_[i] = makeEdit(this, QStringLiteral("Edit%1").arg(1 + i), {256, y, 80, 22});
        std::string StraightTendonInput::*field = fields[i];
        connect(edits_[i], &QLineEdit::textChanged, this,
                [this, field](const QString& text) { input_.*field = text.toStdString(); });
    }
    exits_.watch(edits_[0], [this] { checkFirstAnchorageField(); });
    exits_.watch(edits_[1], [this] { checkSecondAnchorageField(); });
    exits_.watch(edits_[2], [this] { checkEccentricityField(); });
    exits_.watch(edits_[3], [this] { checkForceField(); });
    makeMemo(this, QStringLiteral("Memo1"), kConventionLines);
}

void StraightTendonPanel::load(const TendonSlot& stored)
{
    setFields(straightInputFromStore(stored));
}

bool StraightTendonPanel::store(int slot, const std::optional<TendonStressing>&)
{
    if (auto report = context_.session.storeTendon(slot, input_)) {
        context_.messages.showReport(*report, window());
        return false;
    }
    return true;
}

void StraightTendonPanel::setLocked(bool locked)
{
    setEnabled(!locked);
}

void StraightTendonPanel::reset()
{
    setFields({});
}

QWidget* StraightTendonPanel::firstField() const
{
    return edits_[0];
}

void StraightTendonPanel::setFields(const StraightTendonInput& input)
{
    const std::string* texts[] = {&input.s1, &input.s2, &input.e, &input.n};
    for (int i = 0; i < 4; ++i)
        edits_[i]->setText(toQString(*texts[i]));
}

void StraightTendonPanel::checkFirstAnchorageField()
{
    context_.messages.runCommand(
        [this] { showReports(checkFirstAnchorage(input_.s1, context_.project.beam, context_.decimalSeparator)); });
}

void StraightTendonPanel::checkSecondAnchorageField()
{
    context_.messages.runCommand([this] {
        showReports(checkSecondAnchorage(input_.s1, input_.s2, context_.project.beam, context_.decimalSeparator));
    });
}

void StraightTendonPanel::checkEccentricityField()
{
    context_.messages.runCommand(
        [this] { showReports(checkEccentricity(input_.e, context_.project.section, context_.decimalSeparator)); });
}

void StraightTendonPanel::checkForceField()
{
    context_.messages.runCommand([this] { showReports(checkForce(input_.n, context_.decimalSeparator)); });
}

// ---------------------------------------------------------------- broken

BrokenTendonPanel::BrokenTendonPanel(AppContext& context, FocusExitWatcher& exits,
                                     LeavingForStressing leavingForStressing, QWidget* dialog)
    : TendonTypePanel(context, exits, QStringLiteral("Panel4"), dialog),
      leavingForStressing_(std::move(leavingForStressing))
{
    resetBrokenTendonTables(points_, forces_);
    pointModel_ = new TextTableModel(&points_, TextTableModel::Headings::InHeader, this);
    forceModel_ = new TextTableModel(&forces_, TextTableModel::Headings::InHeader, this);

    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Počet bodů kabelu:"), {10, 14});
    pointCount_ = makePointCount(this, QStringLiteral("Edit5"));
    connect(pointCount_, &QSpinBox::valueChanged, this, &BrokenTendonPanel::changePointCount);

    std::tie(pointGrid_, forceGrid_) =
        makeSideTables(this, exits_,
                       {QStringLiteral("StringGrid1"), pointModel_, QStringLiteral("body kabelu"),
                        [this] { checkPoints(); }},
                       {QStringLiteral("StringGrid2"), forceModel_, QStringLiteral("síly v kabelu"),
                        [this] { checkForces(); }});

    auto lines = kConventionLines;
    lines << kSegmentForceLines;
    makeMemo(this, QStringLiteral("Memo2"), lines);

    showPointCount(pointCount_, kMinPointCount);
    reloadTables();
}

BrokenTendonPanel::~BrokenTendonPanel()
{
    // The models read points_ and forces_, which are destroyed before QWidget's
    // destructor lets the grids ask for their headings once more.
    delete pointModel_;
    delete forceModel_;
}

void BrokenTendonPanel::load(const TendonSlot& stored)
{
    showPointCount(pointCount_, loadBrokenTendonTables(stored, points_, forces_));
    reloadTables();
}

bool BrokenTendonPanel::store(int slot, const std::optional<TendonStressing>& stressing)
{
    if (auto report = context_.session.storeTendon(slot, BrokenTendonInput{points_, forces_}, stressing)) {
        context_.messages.showReport(*report, window());
        return false;
    }
    return true;
}

void BrokenTendonPanel::setLocked(bool locked)
{
    // Locked tables still scroll, so a long stored tendon can be read.
    pointCount_->setEnabled(!locked);
    pointModel_->setReadOnly(locked);
    forceModel_->setReadOnly(locked);
}

void BrokenTendonPanel::reset()
{
    resetBrokenTendonTables(points_, forces_);
    showPointCount(pointCount_, kMinPointCount);
    reloadTables();
}

QWidget* BrokenTendonPanel::firstField() const
{
    return pointGrid_;
}

TendonSlot BrokenTendonPanel::draft() const
{
    TendonSlot draft;
    draft.type = TendonType::Broken;
    draft.points = brokenStoreTable(BrokenTendonInput{points_, forces_});
    return draft;
}

void BrokenTendonPanel::writeForces(const std::vector<std::string>& forceTexts)
{
    writeForceColumn(forces_, forceModel_, forceTexts);
}

void BrokenTendonPanel::reloadTables()
{
    pointModel_->reload();
    forceModel_->reload();
    placeTendonTables(pointGrid_, forceGrid_, tendonTablesGeometry(points_.rowCount() - 1),
                      tendonTablesGeometry(kMinPointCount));
}

void BrokenTendonPanel::changePointCount()
{
    takePointCount(context_.messages, pointCount_, rebuildBrokenTendonTables, points_, forces_, [this] { reloadTables(); });
}

void BrokenTendonPanel::checkPoints()
{
    if (pointModel_->isReadOnly())
        return;  // a locked table cannot have changed
    context_.messages.runCommand([this] {
        showReports(checkPointTable(points_, context_.project.beam, context_.project.section,
                                    context_.decimalSeparator));
    });
}

void BrokenTendonPanel::checkForces()
{
    if (forceModel_->isReadOnly() || leavingForStressing_(forceGrid_))
        return;
    // Forces not typed at all may still come from "Síly z napínání…".
    context_.messages.runCommand([this] {
        showReports(checkSegmentForces(forces_, context_.decimalSeparator, stressingApplies(TendonType::Broken)));
    });
}

// ---------------------------------------------------------------- parabolic

bool ParabolicTendonPanel::store(int slot, const std::optional<TendonStressing>& stressing)
{
    std::optional<TendonFault> fault;
    // The whole check reads the beam and the section: a text of theirs that
    // is no number is the general error, and nothing is stored.
    if (!context_.messages.runCommand([&] { fault = checkAndStore(slot, stressing); }))
        return false;
    if (fault) {
        showFault(fault);
        return false;
    }
    return true;
}

// The completeness of the inputs, then the whole check; stores when both pass.
std::optional<TendonFault> ParabolicTendonPanel::checkAndStore(int slot,
                                                               const std::optional<TendonStressing>& stressing)
{
    if (const std::optional<Report> incomplete = incompleteness())
        return TendonFault{*incomplete, 0, -1};
    TextTable draft = parabolicDraft();
    if (auto fault = checkParabolicTendon(type(), draft, divisions(), context_.project.beam,
                                          context_.project.section, context_.decimalSeparator))
        return fault;
    context_.session.storeParabolicTendon(slot, type(), std::move(draft), divisions(), stressing);
    return std::nullopt;
}

TendonSlot ParabolicTendonPanel::draft() const
{
    TendonSlot draft;
    draft.type = type();
    draft.points = parabolicDraft();
    draft.divisions = divisions();
    return draft;
}

void ParabolicTendonPanel::showFault(const std::optional<TendonFault>& fault)
{
    if (fault)
        context_.messages.showReport(fault->report, window());
}

void ParabolicTendonPanel::showChordDeviation()
{
    // Called while the panel is built, before the note exists.
    if (!chordNote_)
        return;
    chordNote_->setText(isParabolicType(type())
                            ? toQString(chordDeviationNote(parabolicDraft(), type(), divisions(),
                                                           context_.decimalSeparator))
                            : QString());
    chordNote_->adjustSize();
}

// ---------------------------------------------------------------- simple parabola

SimpleParabolaPanel::SimpleParabolaPanel(AppContext& context, FocusExitWatcher& exits,
                                         LeavingForStressing leavingForStressing, QWidget* dialog)
    : ParabolicTendonPanel(context, exits, QStringLiteral("Panel5"), dialog),
      leavingForStressing_(std::move(leavingForStressing))
{
    const QString captions[] = {
        QStringLiteral("1.bod kabelu - staničení x1 [m] ..............................."),
        QStringLiteral("1.bod kabelu - excentricita e1 [m] .........................."),
        QStringLiteral("2.bod kabelu - staničení x2 [m] ..............................."),
        QStringLiteral("2.bod kabelu - excentricita e2 [m] .........................."),
        QStringLiteral("Excentricita uprostřed úseku [m] ............................"),
        QStringLiteral("Velikost předpínací síly v kabelu N [kN]................"),
        QStringLiteral("Počet dělení paraboly D ......................................"),
    };
    std::string SimpleParabolicInput::*fields[] = {
        &SimpleParabolicInput::x1, &SimpleParabolicInput::e1,  &SimpleParabolicInput::x2,
        &SimpleParabolicInput::e2, &SimpleParabolicInput::mid, &SimpleParabolicInput::n,
        &SimpleParabolicInput::divisions};
    const Field inputs[] = {parabolic_fields::kX1,  parabolic_fields::kE1,  parabolic_fields::kX2,
                            parabolic_fields::kE2,  parabolic_fields::kMid, parabolic_fields::kForce,
                            parabolic_fields::kSimpleDivisions};
    for (int i = 0; i < 7; ++i) {
        const int y = 12 + i * 32;
        makeLabel(this, QStringLiteral("Label%1").arg(9 + i), captions[i], {10, y + 4});
        QLineEdit* edit = makeEdit(this, QString::fromLatin1(controlName(inputs[i])), {256, y, 80, 22});
        edits_[i] = edit;
        std::string SimpleParabolicInput::*field = fields[i];
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            input_.*field = text.toStdString();
            showChordDeviation();
        });
        const Field input = inputs[i];
        if (i < 6)
            exits_.watch(edit, [this, input] { checkField(input); });
        else
            exits_.watch(edit, [this] { checkDivisionCount(); });
    }
    // Under D, left of the help text.
    chordNote_ = makeLabel(this, QStringLiteral("Label18"), QString(), {10, 228});
    makeMemo(this, QStringLiteral("Memo3"), kConventionLines + kParabolaLines);
}

void SimpleParabolaPanel::load(const TendonSlot& stored)
{
    setFields(simpleParabolicInputFromStore(stored));
}

void SimpleParabolaPanel::setLocked(bool locked)
{
    setEnabled(!locked);
}

void SimpleParabolaPanel::reset()
{
    SimpleParabolicInput fresh;
    fresh.divisions = std::string(kDefaultDivisions);
    setFields(fresh);
}

QWidget* SimpleParabolaPanel::firstField() const
{
    return edits_[0];
}

void SimpleParabolaPanel::writeForces(const std::vector<std::string>& forceTexts)
{
    if (!forceTexts.empty())
        edits_[5]->setText(toQString(forceTexts.front()));
}

TextTable SimpleParabolaPanel::parabolicDraft() const
{
    return parabolicStoreTable(input_);
}

std::optional<Report> SimpleParabolaPanel::incompleteness() const
{
    return checkParabolicComplete(input_);
}

void SimpleParabolaPanel::setFields(const SimpleParabolicInput& input)
{
    const std::string* texts[] = {&input.x1, &input.e1, &input.x2, &input.e2, &input.mid, &input.n, &input.divisions};
    for (int i = 0; i < 7; ++i)
        edits_[i]->setText(toQString(*texts[i]));
}

void SimpleParabolaPanel::checkField(Field field)
{
    // The force may come from stressing: left empty it is asked for when the
    // tendon is stored, and it is not checked on the way to the stressing
    // window, as the force tables are not.
    if (field == parabolic_fields::kForce && (input_.n.empty() || leavingForStressing_(edits_[5])))
        return;
    context_.messages.runCommand([this, field] {
        showReports(checkSimpleField(field, parabolicDraft(), context_.project.beam, context_.project.section,
                                     context_.decimalSeparator));
    });
}

void SimpleParabolaPanel::checkDivisionCount()
{
    context_.messages.runCommand(
        [this] { showFault(checkDivisions(input_.divisions, parabolic_fields::kSimpleDivisions)); });
}

// ---------------------------------------------------------------- composite and combined

ParabolicTablesPanel::ParabolicTablesPanel(AppContext& context, FocusExitWatcher& exits,
                                           LeavingForStressing leavingForStressing, QWidget* dialog)
    : ParabolicTendonPanel(context, exits, QStringLiteral("Panel6"), dialog),
      leavingForStressing_(std::move(leavingForStressing))
{
    resetParabolicTables(points_, segments_);
    pointModel_ = new TextTableModel(&points_, TextTableModel::Headings::InHeader, this);
    segmentModel_ = new TextTableModel(&segments_, TextTableModel::Headings::InHeader, this);
    for (TextTableModel* model : {pointModel_, segmentModel_})
        connect(model, &QAbstractItemModel::dataChanged, this, &ParabolicTablesPanel::showChordDeviation);

    makeLabel(this, QStringLiteral("Label16"), QStringLiteral("Počet bodů kabelu:"), {10, 14});
    pointCount_ = makePointCount(this, QString::fromLatin1(controlName(parabolic_fields::kPointCount)));
    connect(pointCount_, &QSpinBox::valueChanged, this, &ParabolicTablesPanel::changePointCount);
    makeLabel(this, QStringLiteral("Label17"), QStringLiteral("Počet dělení paraboly D:"), {196, 14});
    divisionsEdit_ =
        makeEdit(this, QString::fromLatin1(controlName(parabolic_fields::kTableDivisions)), {352, 10, 50, 22});
    connect(divisionsEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        divisions_ = text.toStdString();
        showChordDeviation();
    });
    chordNote_ = makeLabel(this, QStringLiteral("Label19"), QString(), {10, 228});
    exits_.watch(divisionsEdit_, [this] { checkDivisionCount(); });

    std::tie(pointGrid_, segmentGrid_) =
        makeSideTables(this, exits_,
                       {QString::fromLatin1(controlName(parabolic_fields::kPointTable)), pointModel_,
                        QStringLiteral("body parabolického kabelu"), [this] { checkPoints(); }},
                       {QString::fromLatin1(controlName(parabolic_fields::kSegmentTable)), segmentModel_,
                        QStringLiteral("úseky parabolického kabelu"), [this] { checkSegments(); }});

    // The columns are as wide as their headings ("Excentr. uprostřed [m]" the
    // widest); the panel, and the dialog while it shows the panel, grow by
    // what that adds, so the help text keeps the width of the other panels'.
    pointTableExtra_ = fitColumnsToHeadings(pointGrid_);
    segmentTableExtra_ = fitColumnsToHeadings(segmentGrid_);
    const int memoLeft = kParabolicMemoLeft + pointTableExtra_ + segmentTableExtra_;
    makeMemo(this, QStringLiteral("Memo4"), kConventionLines + kSegmentForceLines + kParabolaLines + kCombinedLines,
             {memoLeft, 8, kMemoWidth, 230});
    resize(memoLeft + kMemoWidth + 7, height());
}

ParabolicTablesPanel::~ParabolicTablesPanel()
{
    // As the broken tendon's: the models go before the tables they read.
    delete pointModel_;
    delete segmentModel_;
}

void ParabolicTablesPanel::setType(TendonType type)
{
    type_ = type;
    showChordDeviation();
}

void ParabolicTablesPanel::load(const TendonSlot& stored)
{
    showPointCount(pointCount_, loadParabolicTables(stored, points_, segments_));
    divisionsEdit_->setText(QString::fromStdString(stored.divisions));
    reloadTables();
}

void ParabolicTablesPanel::setLocked(bool locked)
{
    pointCount_->setEnabled(!locked);
    divisionsEdit_->setEnabled(!locked);
    pointModel_->setReadOnly(locked);
    segmentModel_->setReadOnly(locked);
}

void ParabolicTablesPanel::reset()
{
    resetParabolicTables(points_, segments_);
    showPointCount(pointCount_, kMinPointCount);
    divisionsEdit_->setText(
        QString::fromLatin1(kDefaultDivisions.data(), static_cast<qsizetype>(kDefaultDivisions.size())));
    reloadTables();
}

QWidget* ParabolicTablesPanel::firstField() const
{
    return pointGrid_;
}

void ParabolicTablesPanel::writeForces(const std::vector<std::string>& forceTexts)
{
    writeForceColumn(segments_, segmentModel_, forceTexts);
}

TextTable ParabolicTablesPanel::parabolicDraft() const
{
    return parabolicStoreTable(ParabolicTablesInput{points_, segments_, divisions_});
}

std::optional<Report> ParabolicTablesPanel::incompleteness() const
{
    return checkParabolicComplete(ParabolicTablesInput{points_, segments_, divisions_});
}

void ParabolicTablesPanel::showFault(const std::optional<TendonFault>& fault)
{
    ParabolicTendonPanel::showFault(fault);
    if (!fault || fault->row < 1)
        return;
    const bool pointTable = fault->report.focus == parabolic_fields::kPointTable;
    QTableView* grid = pointTable ? pointGrid_ : segmentGrid_;
    TextTableModel* model = pointTable ? pointModel_ : segmentModel_;
    grid->setCurrentIndex(model->index(fault->row - 1, fault->column));
}

void ParabolicTablesPanel::reloadTables()
{
    pointModel_->reload();
    segmentModel_->reload();
    showChordDeviation();
    placeTendonTables(pointGrid_, segmentGrid_, parabolicTablesGeometry(points_.rowCount() - 1),
                      parabolicTablesGeometry(kMinPointCount), pointTableExtra_, segmentTableExtra_);
}

void ParabolicTablesPanel::changePointCount()
{
    takePointCount(context_.messages, pointCount_, rebuildParabolicTables, points_, segments_, [this] { reloadTables(); });
}

void ParabolicTablesPanel::checkDivisionCount()
{
    if (!divisionsEdit_->isEnabled())
        return;
    context_.messages.runCommand([this] { showFault(checkDivisions(divisions_, parabolic_fields::kTableDivisions)); });
}

void ParabolicTablesPanel::checkPoints()
{
    if (pointModel_->isReadOnly())
        return;
    context_.messages.runCommand([this] {
        showFault(checkParabolicPoints(parabolicDraft(), context_.project.beam, context_.project.section,
                                       context_.decimalSeparator));
    });
}

void ParabolicTablesPanel::checkSegments()
{
    if (segmentModel_->isReadOnly() || leavingForStressing_(segmentGrid_))
        return;
    context_.messages.runCommand([this] {
        // Forces not typed at all may still come from "Síly z napínání…".
        showFault(checkParabolicSegments(type(), parabolicDraft(), context_.project.section,
                                         context_.decimalSeparator, true));
    });
}

}  // namespace kvor::ui
