#include "ui/dialogs/tendon_dialog.h"

#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/tendon_checks.h"
#include "tendons/tendon_dialog_state.h"
#include "ui/dialogs/stressing_window.h"
#include "ui/export_name.h"
#include "ui/field_controls.h"
#include "ui/message_service.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/input_edits.h"
#include "ui/models/text_table_model.h"
#include "ui/pages/navigation.h"
#include "ui/project_session.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/grid_geometry.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>

#include <algorithm>

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

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QFrame* makePanel(QWidget* parent, const QString& name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(8, 60, 537, 246);
    panel->hide();
    return panel;
}

constexpr int kMemoWidth = 186;
// Where the help text of the composite tendon's panel stands with columns of the usual width.
constexpr int kParabolicMemoLeft = 408;
constexpr QSize kDialogSize{553, 354};

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

// The notice's picture: a warning sign.
void drawWarningSign(QPainter& painter, const QRectF& area)
{
    const qreal side = std::min(area.width(), area.height()) - 8;
    const QPointF top(area.center().x(), area.center().y() - side / 2);
    QPainterPath triangle;
    triangle.moveTo(top);
    triangle.lineTo(top.x() + side / 2, top.y() + side * 0.87);
    triangle.lineTo(top.x() - side / 2, top.y() + side * 0.87);
    triangle.closeSubpath();
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(255, 204, 0));
    painter.drawPath(triangle);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(side * 0.55));
    painter.setFont(font);
    painter.drawText(QRectF(top.x() - side / 2, top.y() + side * 0.2, side, side * 0.65), Qt::AlignCenter,
                     QStringLiteral("!"));
}

}  // namespace

TendonDialog::~TendonDialog()
{
    // The models read points_ and forces_, which are destroyed before QWidget's
    // destructor closes the window and lets the grids ask for their headings.
    delete pointModel_;
    delete forceModel_;
    delete parabolicPointModel_;
    delete segmentModel_;
}

TendonDialog::TendonDialog(AppContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      exits_(new FocusExitWatcher(this)),
      stressingWindow_(std::make_unique<StressingWindow>(context))
{
    setObjectName(QStringLiteral("Form8"));
    setupFixedWindow(this, kDialogSize, TitleBar::CloseButton);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, look.color(QPalette::ToolTipBase));
    setPalette(look);

    Label1 = makeLabel(this, QStringLiteral("Label1"), toQString(tendonDialogTitle(1)), {16, 12}, LabelStyle::Bold);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Typ kabelu:"), {16, 36},
                       LabelStyle::BoldUnderlined);

    QStringList typeLabels;
    for (const char* label : kTendonTypeLabels)
        typeLabels << QString::fromUtf8(label);
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Typ kabelu"), typeLabels, this);
    RadioGroup1->hide();
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Číslo kabelu"),
                                 {QStringLiteral("1.kabel"), QStringLiteral("2.kabel"), QStringLiteral("3.kabel"),
                                  QStringLiteral("4.kabel"), QStringLiteral("5.kabel")},
                                 this);
    RadioGroup2->hide();

    resetBrokenTendonTables(points_, forces_);
    pointModel_ = new TextTableModel(&points_, TextTableModel::Headings::InHeader, this);
    forceModel_ = new TextTableModel(&forces_, TextTableModel::Headings::InHeader, this);
    resetParabolicTables(parabolicPoints_, segments_);
    parabolicPointModel_ = new TextTableModel(&parabolicPoints_, TextTableModel::Headings::InHeader, this);
    segmentModel_ = new TextTableModel(&segments_, TextTableModel::Headings::InHeader, this);
    for (TextTableModel* model : {parabolicPointModel_, segmentModel_})
        connect(model, &QAbstractItemModel::dataChanged, this, &TendonDialog::showChordDeviation);
    buildNoticePanel();
    buildStraightPanel();
    buildBrokenPanel();
    buildSimpleParabolaPanel();
    buildParabolicTablesPanel();

    BitBtn3 = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Síly z napínání…"), {16, 316, 140, 28});
    BitBtn3->hide();
    connect(BitBtn3, &QPushButton::clicked, this, &TendonDialog::openStressingWindow);
    connect(stressingWindow_.get(), &StressingWindow::forcesComputed, this, &TendonDialog::writeComputedForces);
    connect(stressingWindow_.get(), &StressingWindow::stressingRemoved, this, [this] { stressing_.reset(); });
    connect(stressingWindow_.get(), &StressingWindow::closed, this, [this] {
        if (uncheckedForces_ && uncheckedForces_->isVisible())
            uncheckedForces_->setFocus(Qt::OtherFocusReason);
        uncheckedForces_ = nullptr;
    });
    BitBtn2 = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Opravit"), {330, 316, 100, 28});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    BitBtn2->hide();
    BitBtn1 = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Zpět"), {440, 316, 100, 28});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    connect(BitBtn1, &QPushButton::clicked, this, &TendonDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TendonDialog::BitBtn2Click);

    showPointCount(kMinPointCount);
    reloadTables();
    watchInputEdits(this, [this] { edited_ = true; });
}

void TendonDialog::buildNoticePanel()
{
    Panel2 = makePanel(this, QStringLiteral("Panel2"));
    auto* notice = new QLabel(QStringLiteral("Zvolený typ kabelu aplikace zatím nedovoluje vyhodnocovat !!!"), Panel2);
    notice->setObjectName(QStringLiteral("Label3"));
    QFont large = notice->font();
    large.setBold(true);
    large.setPixelSize(15);
    notice->setFont(large);
    notice->setAlignment(Qt::AlignCenter);
    notice->setGeometry(4, 28, 529, 24);
    auto* picture = new Picture(QStringLiteral("Image1"), &drawWarningSign, Panel2);
    picture->setGeometry(218, 76, 100, 100);
}

void TendonDialog::buildStraightPanel()
{
    Panel3 = makePanel(this, QStringLiteral("Panel3"));
    const QString captions[] = {
        QStringLiteral("1.bod kotvení - staničení [m] ................................."),
        QStringLiteral("2.bod kotvení - staničení [m] ................................."),
        QStringLiteral("Poloha kabelu - vzdálenost od n. osy e [m] ..........."),
        QStringLiteral("Velikost předpínací síly v kabelu N [kN]................"),
    };
    std::string StraightTendonInput::*fields[] = {&StraightTendonInput::s1, &StraightTendonInput::s2,
                                                  &StraightTendonInput::e, &StraightTendonInput::n};
    QLineEdit* edits[4];
    for (int i = 0; i < 4; ++i) {
        const int y = 16 + i * 36;
        makeLabel(Panel3, QStringLiteral("Label%1").arg(4 + i), captions[i], {10, y + 4});
        edits[i] = makeEdit(Panel3, QStringLiteral("Edit%1").arg(1 + i), {256, y, 80, 22});
        std::string StraightTendonInput::*field = fields[i];
        connect(edits[i], &QLineEdit::textChanged, this,
                [this, field](const QString& text) { straight_.*field = text.toStdString(); });
    }
    Edit1 = edits[0];
    Edit2 = edits[1];
    Edit3 = edits[2];
    Edit4 = edits[3];
    exits_->watch(Edit1, [this] { Edit1Exit(); });
    exits_->watch(Edit2, [this] { Edit2Exit(); });
    exits_->watch(Edit3, [this] { Edit3Exit(); });
    exits_->watch(Edit4, [this] { Edit4Exit(); });
    makeMemo(Panel3, QStringLiteral("Memo1"), kConventionLines);
}

void TendonDialog::buildBrokenPanel()
{
    Panel4 = makePanel(this, QStringLiteral("Panel4"));
    makeLabel(Panel4, QStringLiteral("Label8"), QStringLiteral("Počet bodů kabelu:"), {10, 14});
    Edit5 = new QSpinBox(Panel4);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setRange(kMinPointCount, kMaxPointCount);
    Edit5->setWrapping(false);
    // A typed count takes effect when typing ends, not at each digit.
    Edit5->setKeyboardTracking(false);
    Edit5->setGeometry(112, 10, 70, 22);
    connect(Edit5, &QSpinBox::valueChanged, this, &TendonDialog::Edit5Change);

    StringGrid1 = makeEntryGrid(Panel4, QStringLiteral("StringGrid1"), pointModel_);
    StringGrid2 = makeEntryGrid(Panel4, QStringLiteral("StringGrid2"), forceModel_);
    setExportTitle(StringGrid1, QStringLiteral("body kabelu"));
    setExportTitle(StringGrid2, QStringLiteral("síly v kabelu"));
    // The two tables scroll together, so each force stays between its points.
    QScrollBar* pointBar = StringGrid1->verticalScrollBar();
    QScrollBar* forceBar = StringGrid2->verticalScrollBar();
    connect(pointBar, &QScrollBar::valueChanged, forceBar, &QScrollBar::setValue);
    connect(forceBar, &QScrollBar::valueChanged, pointBar, &QScrollBar::setValue);
    exits_->watch(StringGrid1, [this] { StringGrid1Exit(); });
    exits_->watch(StringGrid2, [this] { StringGrid2Exit(); });

    auto lines = kConventionLines;
    lines << kSegmentForceLines;
    makeMemo(Panel4, QStringLiteral("Memo2"), lines);
}

void TendonDialog::buildSimpleParabolaPanel()
{
    Panel5 = makePanel(this, QStringLiteral("Panel5"));
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
        makeLabel(Panel5, QStringLiteral("Label%1").arg(9 + i), captions[i], {10, y + 4});
        QLineEdit* edit = makeEdit(Panel5, QString::fromLatin1(controlName(inputs[i])), {256, y, 80, 22});
        simpleEdits_[i] = edit;
        std::string SimpleParabolicInput::*field = fields[i];
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            simple_.*field = text.toStdString();
            showChordDeviation();
        });
        const Field input = inputs[i];
        if (i < 6)
            exits_->watch(edit, [this, input] { SimpleFieldExit(input); });
        else
            exits_->watch(edit, [this] { Edit12Exit(); });
    }
    // Under D, left of the help text.
    simpleChordNote_ = makeLabel(Panel5, QStringLiteral("Label18"), QString(), {10, 228});
    makeMemo(Panel5, QStringLiteral("Memo3"), kConventionLines + kParabolaLines);
}

void TendonDialog::buildParabolicTablesPanel()
{
    Panel6 = makePanel(this, QStringLiteral("Panel6"));
    makeLabel(Panel6, QStringLiteral("Label16"), QStringLiteral("Počet bodů kabelu:"), {10, 14});
    Edit13 = new QSpinBox(Panel6);
    Edit13->setObjectName(QString::fromLatin1(controlName(parabolic_fields::kPointCount)));
    Edit13->setRange(kMinPointCount, kMaxPointCount);
    Edit13->setWrapping(false);
    Edit13->setKeyboardTracking(false);
    Edit13->setGeometry(112, 10, 70, 22);
    connect(Edit13, &QSpinBox::valueChanged, this, &TendonDialog::Edit13Change);
    makeLabel(Panel6, QStringLiteral("Label17"), QStringLiteral("Počet dělení paraboly D:"), {196, 14});
    Edit14 = makeEdit(Panel6, QString::fromLatin1(controlName(parabolic_fields::kTableDivisions)), {352, 10, 50, 22});
    connect(Edit14, &QLineEdit::textChanged, this, [this](const QString& text) {
        divisions_ = text.toStdString();
        showChordDeviation();
    });
    tableChordNote_ = makeLabel(Panel6, QStringLiteral("Label19"), QString(), {10, 228});
    exits_->watch(Edit14, [this] { Edit14Exit(); });

    StringGrid3 = makeEntryGrid(Panel6, QString::fromLatin1(controlName(parabolic_fields::kPointTable)), parabolicPointModel_);
    StringGrid4 = makeEntryGrid(Panel6, QString::fromLatin1(controlName(parabolic_fields::kSegmentTable)), segmentModel_);
    setExportTitle(StringGrid3, QStringLiteral("body parabolického kabelu"));
    setExportTitle(StringGrid4, QStringLiteral("úseky parabolického kabelu"));
    QScrollBar* pointBar = StringGrid3->verticalScrollBar();
    QScrollBar* segmentBar = StringGrid4->verticalScrollBar();
    connect(pointBar, &QScrollBar::valueChanged, segmentBar, &QScrollBar::setValue);
    connect(segmentBar, &QScrollBar::valueChanged, pointBar, &QScrollBar::setValue);
    exits_->watch(StringGrid3, [this] { StringGrid3Exit(); });
    exits_->watch(StringGrid4, [this] { StringGrid4Exit(); });

    // The columns are as wide as their headings ("Excentr. uprostřed [m]" the
    // widest); the panel, and the dialog while it shows the panel, grow by
    // what that adds, so the help text keeps the width of the other panels'.
    pointTableExtra_ = fitColumnsToHeadings(StringGrid3);
    segmentTableExtra_ = fitColumnsToHeadings(StringGrid4);
    const int memoLeft = kParabolicMemoLeft + pointTableExtra_ + segmentTableExtra_;
    makeMemo(Panel6, QStringLiteral("Memo4"), kConventionLines + kSegmentForceLines + kParabolaLines + kCombinedLines,
             {memoLeft, 8, kMemoWidth, 230});
    Panel6->resize(memoLeft + kMemoWidth + 7, Panel6->height());
}

int TendonDialog::slotNumber() const
{
    return RadioGroup2->itemIndex() + 1;
}

TendonType TendonDialog::tendonType() const
{
    const int index = RadioGroup1->itemIndex();
    return index < 0 ? TendonType::None : static_cast<TendonType>(index);
}

void TendonDialog::openForSlot(int slot, QWidget* opener)
{
    const TendonSlot& tendon = context_.project.tendons[static_cast<size_t>(slot - 1)];
    if (auto report = checkTendonTypeChosen(tendon, slot)) {
        context_.messages.showReport(*report, opener);
        return;
    }
    prepareForSlot(slot, tendon.typeText);

    if (auto report = checkStructureEntered(context_.project)) {
        if (report->page)
            emit inputPageRequested(*report->page);
        context_.messages.showReport(*report, opener);
    }
    if (!tendonDialogOpens(context_.project, tendon))
        return;
    showOver(opener);
    if (tendon.entered())
        loadStoredDefinition();
}

void TendonDialog::prepareForSlot(int slot, std::string_view typeText)
{
    Label1->setText(toQString(tendonDialogTitle(slot)));
    Label1->adjustSize();
    Label2->setText(toQString(tendonTypeLine(typeText)));
    Label2->adjustSize();
    RadioGroup2->setItemIndex(slot - 1);

    // A text that names no type chooses none: the dialog then shows no panel
    // and "Zpět" stores nothing.
    const TendonType type = tendonTypeOf(typeText);
    RadioGroup1->setItemIndex(static_cast<int>(type));
    resetInputs();
    switch (panelForType(type)) {
    case TendonPanel::Straight:
        showPanel(Panel3);
        Panel3->setEnabled(true);
        break;
    case TendonPanel::Broken:
        showPanel(Panel4);
        lockBrokenPanel(false);
        break;
    case TendonPanel::SimpleParabolic:
        showPanel(Panel5);
        Panel5->setEnabled(true);
        break;
    case TendonPanel::ParabolicTables:
        showPanel(Panel6);
        lockParabolicTables(false);
        break;
    case TendonPanel::None:
        showPanel(nullptr);
        break;
    }
    BitBtn2->hide();
}

void TendonDialog::showOver(QWidget* opener)
{
    opener_ = opener;
    edited_ = false;
    if (opener_)
        opener_->setEnabled(false);
    // The focus starts on "Zpět", not in a checked field: the first click into
    // a field must not report the field that was never typed in.
    BitBtn1->setFocus(Qt::OtherFocusReason);
    showInFront(this);
}

void TendonDialog::loadStoredDefinition()
{
    const TendonSlot& slot = context_.project.tendons[static_cast<size_t>(slotNumber() - 1)];
    if (slot.type == TendonType::Straight) {
        showPanel(Panel3);
        Panel3->setEnabled(false);
        setStraightFields(straightInputFromStore(slot));
    } else if (slot.type == TendonType::Broken) {
        showPanel(Panel4);
        lockBrokenPanel(true);
        showPointCount(loadBrokenTendonTables(slot, points_, forces_));
        reloadTables();
    } else if (slot.type == TendonType::SimpleParabolic) {
        showPanel(Panel5);
        Panel5->setEnabled(false);
        setSimpleFields(simpleParabolicInputFromStore(slot));
    } else if (slot.type == TendonType::CompositeParabolic || slot.type == TendonType::Combined) {
        showPanel(Panel6);
        lockParabolicTables(true);
        const int count = loadParabolicTables(slot, parabolicPoints_, segments_);
        {
            const QSignalBlocker quiet(Edit13);
            Edit13->setValue(count);
        }
        Edit14->setText(QString::fromStdString(slot.divisions));
        reloadParabolicTables();
    } else {
        return;
    }
    stressing_ = slot.stressing;
    BitBtn2->show();
}

void TendonDialog::showPanel(QFrame* panel)
{
    for (QFrame* p : {Panel2, Panel3, Panel4, Panel5, Panel6})
        p->setVisible(p == panel);
    // Only broken and parabolic tendons are stressed through their curvature.
    BitBtn3->setVisible(panel && stressingApplies(tendonType()));
    showChordDeviation();
    // The composite tendon's panel is wider than the others; the buttons keep
    // to the dialog's right edge.
    const int extra = panel == Panel6 ? Panel6->width() - Panel3->width() : 0;
    setFixedSize(kDialogSize.width() + extra, kDialogSize.height());
    BitBtn2->move(330 + extra, BitBtn2->y());
    BitBtn1->move(440 + extra, BitBtn1->y());
}

void TendonDialog::lockBrokenPanel(bool locked)
{
    // Locked tables still scroll, so a long stored tendon can be read.
    Edit5->setEnabled(!locked);
    pointModel_->setReadOnly(locked);
    forceModel_->setReadOnly(locked);
}

void TendonDialog::lockParabolicTables(bool locked)
{
    Edit13->setEnabled(!locked);
    Edit14->setEnabled(!locked);
    parabolicPointModel_->setReadOnly(locked);
    segmentModel_->setReadOnly(locked);
}

void TendonDialog::resetInputs()
{
    stressing_.reset();
    setStraightFields({});
    resetBrokenTendonTables(points_, forces_);
    showPointCount(kMinPointCount);
    reloadTables();
    SimpleParabolicInput fresh;
    fresh.divisions = std::string(kDefaultDivisions);
    setSimpleFields(fresh);
    resetParabolicTables(parabolicPoints_, segments_);
    {
        const QSignalBlocker quiet(Edit13);
        Edit13->setValue(kMinPointCount);
    }
    Edit14->setText(QString::fromLatin1(kDefaultDivisions.data(), static_cast<qsizetype>(kDefaultDivisions.size())));
    reloadParabolicTables();
}

void TendonDialog::setSimpleFields(const SimpleParabolicInput& input)
{
    const std::string* texts[] = {&input.x1, &input.e1, &input.x2, &input.e2, &input.mid, &input.n, &input.divisions};
    for (int i = 0; i < 7; ++i)
        simpleEdits_[i]->setText(toQString(*texts[i]));
}

void TendonDialog::showChordDeviation()
{
    // Called while the panels are built, before both notes exist.
    if (!simpleChordNote_ || !tableChordNote_)
        return;
    const TendonType type = tendonType();
    const bool simple = type == TendonType::SimpleParabolic;
    QLabel* note = simple ? simpleChordNote_ : tableChordNote_;
    const std::string& divisions = simple ? simple_.divisions : divisions_;
    note->setText(isParabolicType(type)
                      ? toQString(chordDeviationNote(parabolicDraft(), type, divisions, context_.decimalSeparator))
                      : QString());
    note->adjustSize();
}

void TendonDialog::reloadParabolicTables()
{
    parabolicPointModel_->reload();
    segmentModel_->reload();
    showChordDeviation();
    const TendonTablesGeometry g = parabolicTablesGeometry(parabolicPoints_.rowCount() - 1);
    placeGrid(StringGrid3, QRect(kPointTablePlace, QSize(g.pointWidth + pointTableExtra_, g.pointHeight)),
              g.scrollBars);
    const QPoint segmentPlace(kPointTablePlace.x() + parabolicTablesGeometry(kMinPointCount).pointWidth +
                                  pointTableExtra_ + kTableGap + g.forceShift,
                              kPointTablePlace.y() + kForceTableDrop);
    placeGrid(StringGrid4, QRect(segmentPlace, QSize(g.forceWidth + segmentTableExtra_, g.forceHeight)),
              g.scrollBars);
}

void TendonDialog::setStraightFields(const StraightTendonInput& input)
{
    Edit1->setText(toQString(input.s1));
    Edit2->setText(toQString(input.s2));
    Edit3->setText(toQString(input.e));
    Edit4->setText(toQString(input.n));
}

void TendonDialog::reloadTables()
{
    pointModel_->reload();
    forceModel_->reload();
    const TendonTablesGeometry g = tendonTablesGeometry(points_.rowCount() - 1);
    placeGrid(StringGrid1, QRect(kPointTablePlace, QSize(g.pointWidth, g.pointHeight)), g.scrollBars);
    const QPoint forcePlace(kPointTablePlace.x() + tendonTablesGeometry(kMinPointCount).pointWidth + kTableGap +
                                g.forceShift,
                            kPointTablePlace.y() + kForceTableDrop);
    placeGrid(StringGrid2, QRect(forcePlace, QSize(g.forceWidth, g.forceHeight)), g.scrollBars);
}

void TendonDialog::showPointCount(int count)
{
    const QSignalBlocker quiet(Edit5);
    Edit5->setValue(count);
}

void TendonDialog::showReports(const Reports& reports)
{
    for (const Report& report : reports)
        context_.messages.showReport(report, this);
}

void TendonDialog::Edit1Exit()
{
    context_.messages.runCommand(
        [this] { showReports(checkFirstAnchorage(straight_.s1, context_.project.beam, context_.decimalSeparator)); });
}

void TendonDialog::Edit2Exit()
{
    context_.messages.runCommand([this] {
        showReports(
            checkSecondAnchorage(straight_.s1, straight_.s2, context_.project.beam, context_.decimalSeparator));
    });
}

void TendonDialog::Edit3Exit()
{
    context_.messages.runCommand(
        [this] { showReports(checkEccentricity(straight_.e, context_.project.section, context_.decimalSeparator)); });
}

void TendonDialog::Edit4Exit()
{
    context_.messages.runCommand([this] { showReports(checkForce(straight_.n, context_.decimalSeparator)); });
}

void TendonDialog::Edit5Change()
{
    context_.messages.runCommand([this] {
        const int count = rebuildBrokenTendonTables(points_, forces_, Edit5->cleanText().toStdString());
        reloadTables();
        if (count != Edit5->value())
            showPointCount(count);
    });
}

void TendonDialog::StringGrid1Exit()
{
    if (pointModel_->isReadOnly())
        return;  // a locked table cannot have changed
    context_.messages.runCommand([this] {
        showReports(checkPointTable(points_, context_.project.beam, context_.project.section,
                                    context_.decimalSeparator));
    });
}

bool TendonDialog::leavingForStressing(QWidget* forceTable)
{
    // The forces are about to be computed: an empty force column is no fault
    // then. Checked later all the same if they are not computed.
    if (QApplication::focusWidget() != BitBtn3)
        return false;
    uncheckedForces_ = forceTable;
    return true;
}

void TendonDialog::StringGrid2Exit()
{
    if (forceModel_->isReadOnly() || leavingForStressing(StringGrid2))
        return;
    // Forces not typed at all may still come from "Síly z napínání…".
    context_.messages.runCommand(
        [this] { showReports(checkSegmentForces(forces_, context_.decimalSeparator, stressingApplies(tendonType()))); });
}

void TendonDialog::showFault(const std::optional<TendonFault>& fault)
{
    if (!fault)
        return;
    context_.messages.showReport(fault->report, this);
    // A table fault also puts the cursor on its cell.
    if (fault->row < 1)
        return;
    const bool pointTable = fault->report.focus == parabolic_fields::kPointTable;
    QTableView* grid = pointTable ? StringGrid3 : StringGrid4;
    TextTableModel* model = pointTable ? parabolicPointModel_ : segmentModel_;
    grid->setCurrentIndex(model->index(fault->row - 1, fault->column));
}

TextTable TendonDialog::parabolicDraft() const
{
    if (tendonType() == TendonType::SimpleParabolic)
        return parabolicStoreTable(simple_);
    return parabolicStoreTable(ParabolicTablesInput{parabolicPoints_, segments_, divisions_});
}

void TendonDialog::SimpleFieldExit(Field field)
{
    // The force may come from stressing: left empty it is asked for when the
    // tendon is stored, and it is not checked on the way to the stressing
    // window, as the force tables are not.
    if (field == parabolic_fields::kForce && (simple_.n.empty() || leavingForStressing(simpleEdits_[5])))
        return;
    context_.messages.runCommand([this, field] {
        showReports(checkSimpleField(field, parabolicDraft(), context_.project.beam, context_.project.section,
                                     context_.decimalSeparator));
    });
}

void TendonDialog::Edit12Exit()
{
    context_.messages.runCommand(
        [this] { showFault(checkDivisions(simple_.divisions, parabolic_fields::kSimpleDivisions)); });
}

void TendonDialog::Edit13Change()
{
    context_.messages.runCommand([this] {
        const int count = rebuildParabolicTables(parabolicPoints_, segments_, Edit13->cleanText().toStdString());
        reloadParabolicTables();
        if (count != Edit13->value()) {
            const QSignalBlocker quiet(Edit13);
            Edit13->setValue(count);
        }
    });
}

void TendonDialog::Edit14Exit()
{
    if (!Edit14->isEnabled())
        return;
    context_.messages.runCommand([this] { showFault(checkDivisions(divisions_, parabolic_fields::kTableDivisions)); });
}

void TendonDialog::StringGrid3Exit()
{
    if (parabolicPointModel_->isReadOnly())
        return;
    context_.messages.runCommand([this] {
        showFault(checkParabolicPoints(parabolicDraft(), context_.project.beam, context_.project.section,
                                       context_.decimalSeparator));
    });
}

void TendonDialog::StringGrid4Exit()
{
    if (segmentModel_->isReadOnly() || leavingForStressing(StringGrid4))
        return;
    context_.messages.runCommand([this] {
        // Forces not typed at all may still come from "Síly z napínání…".
        showFault(checkParabolicSegments(tendonType(), parabolicDraft(), context_.project.section,
                                         context_.decimalSeparator, true));
    });
}

// The completeness of the inputs, then the whole check; stores when both pass.
std::optional<TendonFault> TendonDialog::storeParabolic(int slot)
{
    const TendonType type = tendonType();
    const bool simple = type == TendonType::SimpleParabolic;
    const std::optional<Report> incomplete =
        simple ? checkParabolicComplete(simple_)
               : checkParabolicComplete(ParabolicTablesInput{parabolicPoints_, segments_, divisions_});
    if (incomplete)
        return TendonFault{*incomplete, 0, -1};
    TextTable draft = parabolicDraft();
    const std::string& divisions = simple ? simple_.divisions : divisions_;
    if (auto fault = checkParabolicTendon(type, draft, divisions, context_.project.beam, context_.project.section,
                                          context_.decimalSeparator))
        return fault;
    context_.session.storeParabolicTendon(slot, type, std::move(draft), divisions, stressing_);
    return std::nullopt;
}

void TendonDialog::BitBtn1Click()
{
    const int slot = slotNumber();
    const TendonType type = tendonType();
    if (type == TendonType::Straight) {
        if (auto report = context_.session.storeTendon(slot, straight_)) {
            context_.messages.showReport(*report, this);
            return;
        }
    } else if (type == TendonType::Broken) {
        if (auto report = context_.session.storeTendon(slot, BrokenTendonInput{points_, forces_}, stressing_)) {
            context_.messages.showReport(*report, this);
            return;
        }
    } else if (isParabolicType(type)) {
        std::optional<TendonFault> fault;
        // The whole check reads the beam and the section: a text of theirs that
        // is no number is the general error, and nothing is stored.
        if (!context_.messages.runCommand([&] { fault = storeParabolic(slot); }))
            return;
        if (fault) {
            showFault(fault);
            return;
        }
    } else {
        // Nothing can be stored for this type: back to the main window.
        closeDialog();
        showPanel(nullptr);
        return;
    }
    // The window goes first, so that emptying the fields is no focus exit.
    closeDialog();
    showPanel(nullptr);
    resetInputs();
}

void TendonDialog::BitBtn2Click()
{
    if (tendonType() == TendonType::Straight) {
        Panel3->setEnabled(true);
        Edit1->setFocus(Qt::OtherFocusReason);
    } else if (tendonType() == TendonType::Broken) {
        lockBrokenPanel(false);
        StringGrid1->setFocus(Qt::OtherFocusReason);
    } else if (tendonType() == TendonType::SimpleParabolic) {
        Panel5->setEnabled(true);
        simpleEdits_[0]->setFocus(Qt::OtherFocusReason);
    } else if (isParabolicType(tendonType())) {
        lockParabolicTables(false);
        StringGrid3->setFocus(Qt::OtherFocusReason);
    }
    BitBtn2->hide();
}

TendonSlot TendonDialog::stressingDraft() const
{
    TendonSlot draft;
    draft.type = tendonType();
    if (draft.type == TendonType::Broken) {
        draft.points = brokenStoreTable(BrokenTendonInput{points_, forces_});
    } else {
        draft.points = parabolicDraft();
        draft.divisions = draft.type == TendonType::SimpleParabolic ? simple_.divisions : divisions_;
    }
    return draft;
}

void TendonDialog::openStressingWindow()
{
    // Still read-only while "Opravit" is offered.
    const bool readOnly = !BitBtn2->isHidden();
    stressingWindow_->openFor(slotNumber(), stressingDraft(), stressing_, readOnly, this);
}

void TendonDialog::writeComputedForces(const std::vector<std::string>& texts, const TendonStressing& stressing)
{
    stressing_ = stressing;
    uncheckedForces_ = nullptr;
    const TendonType type = tendonType();
    if (type == TendonType::SimpleParabolic) {
        if (!texts.empty())
            simpleEdits_[5]->setText(toQString(texts.front()));
        return;
    }
    // Row r of the segment column is the force of the segment from point r.
    const bool broken = type == TendonType::Broken;
    TextTable& column = broken ? forces_ : segments_;
    for (int r = 1; r < column.rowCount() && r <= static_cast<int>(texts.size()); ++r)
        column.setCell(r, 0, texts[static_cast<size_t>(r) - 1]);
    (broken ? forceModel_ : segmentModel_)->reload();
}

void TendonDialog::closeDialog()
{
    hide();
    if (opener_) {
        opener_->setEnabled(true);
        showInFront(opener_);
    }
    opener_ = nullptr;
}

void TendonDialog::closeEvent(QCloseEvent* event)
{
    // Closing through the frame stores nothing and gives the opener back; not
    // while the stressing window over it is open.
    event->ignore();
    if (stressingWindow_->isVisible())
        return;
    if (edited_) {
        // Typed input is not dropped silently: kept (stored as "Zpět" stores it), dropped, or worked on.
        const EditsOnClose answer = askAboutEdits(context_.messages, QStringLiteral("kabelu"));
        if (answer == EditsOnClose::Keep)
            BitBtn1Click();
        if (answer != EditsOnClose::Discard)
            return;
    }
    closeDialog();
    showPanel(nullptr);
    resetInputs();
}

}  // namespace kvor::ui
