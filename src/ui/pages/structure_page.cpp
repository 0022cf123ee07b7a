#include "ui/pages/structure_page.h"

#include "model/numbers.h"
#include "structure/beam.h"
#include "structure/section.h"
#include "structure/section_values_shown.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/models/text_cell_delegate.h"
#include "ui/models/text_table_model.h"
#include "ui/qt_text.h"
#include "ui/widgets/drawings.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/grid_geometry.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/radio_group.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <vector>

namespace kvor::ui {

namespace {

// Member table cells: 85 pixels and 25 pixels plus the 2-pixel grid line.
constexpr int kMemberColumnWidth = 87;
constexpr int kMemberRowHeight = 27;
constexpr int kMemberTableTop = 130;

enum class Index { Superscript, Subscript };

// A small index label ("2" of m², "y" of I_y) placed after `prefix` of the
// caption `base`, so it sits in the blank the caption leaves for it.
QLabel* makeIndexLabel(QWidget* parent, const QString& name, const QString& text, const QLabel* base,
                       const QString& prefix, Index kind)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = base->font();
    font.setPixelSize(std::max(7, font.pixelSize() * 3 / 4));
    label->setFont(font);
    label->adjustSize();
    const int x = base->x() + base->fontMetrics().horizontalAdvance(prefix) + 1;
    const int y = base->y() + (kind == Index::Superscript ? -3 : 5);
    label->move(x, y);
    return label;
}

}  // namespace

StructurePage::StructurePage(AppContext& context, QWidget* parent)
    : PageSheet(QStringLiteral("TabSheet2"), parent), context_(context), exits_(new FocusExitWatcher(this))
{
    buildBeamHalf();
    buildSectionHalf();
    backArrow_ = addArrow(QStringLiteral("BitBtn15"), Arrow::Left);
    nextArrow_ = addArrow(QStringLiteral("BitBtn14"), Arrow::Right);
    loadFromModel();
}

void StructurePage::buildBeamHalf()
{
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Základní informace o konstrukci"), {12, 10},
              LabelStyle::BoldUnderlined);

    beamKind_ = new RadioGroup(QStringLiteral("RadioGroup1"), QString(),
                               {QStringLiteral("prostý nosník"), QStringLiteral("spojitý nosník")}, this);
    beamKind_->setGeometry(12, 32, 160, 54);
    connect(beamKind_, &RadioGroup::itemClicked, this, &StructurePage::chooseBeamKind);

    spanLabel_ = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Rozpětí nosníku L"), {14, 102});
    span_ = makeEdit(this, QStringLiteral("Edit6"), {124, 98, 90, 22});
    spanUnit_ = makeLabel(this, QStringLiteral("Label9"), QStringLiteral("m"), {219, 102});
    connect(span_, &QLineEdit::textChanged, this,
            [this](const QString& text) { context_.project.beam.length = text.toStdString(); });
    exits_->watch(span_, [this] { spanExit(); });

    memberCountLabel_ = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("počet polí"), {30, 102});
    memberCount_ = new QSpinBox(this);
    memberCount_->setObjectName(QStringLiteral("Edit5"));
    memberCount_->setRange(kMinMemberCount, kMaxMemberCount);
    memberCount_->setWrapping(false);
    memberCount_->setGeometry(96, 98, 52, 22);
    connect(memberCount_, &QSpinBox::valueChanged, this, &StructurePage::changeMemberCount);

    members_ = new TextTableModel(&context_.project.beam.members, TextTableModel::Headings::AsFirstRow, this);
    memberGrid_ = new QTableView(this);
    memberGrid_->setObjectName(QStringLiteral("StringGrid1"));
    memberGrid_->setModel(members_);
    setExportTitle(memberGrid_, QStringLiteral("pruty nosníku"));
    useTextCells(memberGrid_);
    memberGrid_->horizontalHeader()->hide();
    memberGrid_->verticalHeader()->hide();
    memberGrid_->horizontalHeader()->setMinimumSectionSize(10);
    memberGrid_->verticalHeader()->setMinimumSectionSize(10);
    memberGrid_->horizontalHeader()->setDefaultSectionSize(kMemberColumnWidth);
    memberGrid_->verticalHeader()->setDefaultSectionSize(kMemberRowHeight);
    memberGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    memberGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    memberGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memberGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    memberGrid_->setEditTriggers(QAbstractItemView::AllEditTriggers);  // the cell editor is always at hand
    memberGrid_->setTabKeyNavigation(true);
    memberGrid_->setWordWrap(false);
    memberGrid_->setTextElideMode(Qt::ElideNone);
    exits_->watch(memberGrid_, [this] { memberLengthsExit(); });
}

void StructurePage::buildSectionHalf()
{
    makeLabel(this, QStringLiteral("Label10"), QStringLiteral("Základní informace o průřezu"), {230, 10},
              LabelStyle::BoldUnderlined);

    sectionType_ = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Typ průřezu"),
                                  {QStringLiteral("obdélník"), QStringLiteral("čtverec"), QStringLiteral("T-průřez"),
                                   QStringLiteral("obrácený T-průřez"), QStringLiteral("obecný")},
                                  this);
    sectionType_->setGeometry(230, 30, 184, 118);
    connect(sectionType_, &RadioGroup::itemClicked, this, &StructurePage::chooseSectionType);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setGeometry(424, 30, 192, 192);  // the 190 x 190 pictures and the border
    for (int i = 0; i < 5; ++i) {
        const auto type = static_cast<SectionType>(i);
        auto* image = new Picture(QStringLiteral("Image%1").arg(i + 1),
                                  [type](QPainter& p, const QRectF& r) { drawSectionOutline(p, type, r); }, panel);
        image->setGeometry(1, 1, 190, 190);
        images_[static_cast<size_t>(i)] = image;
    }

    for (int i = 0; i < 4; ++i) {
        const int y = 156 + i * 24;
        const auto slot = static_cast<size_t>(i);
        dimensionLabels_[slot] = makeLabel(this, QStringLiteral("Label%1").arg(21 + i), QString(), {232, y + 4});
        dimensionEdits_[slot] = makeEdit(this, QStringLiteral("Edit%1").arg(11 + i), {324, y, 90, 22});
        connect(dimensionEdits_[slot], &QLineEdit::textChanged, this, [this, slot](const QString& text) {
            context_.project.section.dimensions[slot] = text.toStdString();
        });
        exits_->watch(dimensionEdits_[slot], [this, i] { dimensionExit(i); });
    }

    computeButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Spočti"), {424, 226, 96, 26});
    QFont bold = computeButton_->font();
    bold.setBold(true);
    computeButton_->setFont(bold);
    connect(computeButton_, &QPushButton::clicked, this, &StructurePage::computeSection);

    // The four section values with their captions: A [m²], I_y [m⁴], e_d [m], e_h [m].
    const int captionX = 232, editX = 424;
    const int rows[4] = {258, 282, 306, 330};
    // Each caption leaves blanks for its small marks: the unit's power, the index.
    struct Mark {
        const char* name;
        const char* text;
        const char* after;  // the part of the caption the mark follows
        Index kind;
    };
    struct Caption {
        const char* name;
        const char* text;
        std::vector<Mark> marks;
    };
    const Caption captions[4] = {
        {"Label11", "Plocha průřezu A [m  ]", {{"Label12", "2", "Plocha průřezu A [m", Index::Superscript}}},
        {"Label13",
         "Moment setrvačnosti I  [m  ]",
         {{"Label14", "4", "Moment setrvačnosti I  [m", Index::Superscript},
          {"Label15", "y", "Moment setrvačnosti I", Index::Subscript}}},
        {"Label17", "Dolní vlákna e   [m]", {{"Label19", "d", "Dolní vlákna e", Index::Subscript}}},
        {"Label18", "Horní vlákna e   [m]", {{"Label20", "h", "Horní vlákna e", Index::Subscript}}},
    };
    for (int i = 0; i < 4; ++i) {
        const Caption& c = captions[i];
        QLabel* caption =
            makeLabel(this, QString::fromUtf8(c.name), QString::fromUtf8(c.text), {captionX, rows[i] + 4});
        valueCaptions_.push_back(caption);
        for (const Mark& m : c.marks)
            valueCaptions_.push_back(makeIndexLabel(this, QString::fromUtf8(m.name), QString::fromUtf8(m.text),
                                                    caption, QString::fromUtf8(m.after), m.kind));
    }

    std::string CrossSection::*fields[] = {&CrossSection::area, &CrossSection::inertia, &CrossSection::eBottom,
                                           &CrossSection::eTop};
    for (int i = 0; i < 4; ++i) {
        const auto slot = static_cast<size_t>(i);
        valueEdits_[slot] = makeEdit(this, QStringLiteral("Edit%1").arg(7 + i), {editX, rows[i], 110, 22});
        std::string CrossSection::*field = fields[i];
        connect(valueEdits_[slot], &QLineEdit::textChanged, this,
                [this, field](const QString& text) { context_.project.section.*field = text.toStdString(); });
        exits_->watch(valueEdits_[slot], [this, i] { sectionValueExit(i); });
    }
}

void StructurePage::loadFromModel()
{
    const BeamModel& beam = context_.project.beam;
    beamKind_->setItemIndex(static_cast<int>(beam.kind));
    span_->setText(toQString(beam.length));
    {
        const QSignalBlocker quiet(memberCount_);
        memberCount_->setValue(parseInteger(beam.memberCountText).value_or(kMinMemberCount));
    }
    members_->reload();
    applyMemberTable();
    applyBeamKind();

    const CrossSection& section = context_.project.section;
    sectionType_->setItemIndex(static_cast<int>(section.type));
    for (size_t i = 0; i < 4; ++i)
        dimensionEdits_[i]->setText(toQString(section.dimensions[i]));
    loadSectionValues();
    applySectionLayout();
    showSectionValues(sectionValuesShownOnOpen(section));
}

void StructurePage::applyBeamKind()
{
    const bool simple = context_.project.beam.kind == BeamKind::Simple;
    spanLabel_->setVisible(simple);
    span_->setVisible(simple);
    spanUnit_->setVisible(simple);
    memberCountLabel_->setVisible(!simple);
    memberCount_->setVisible(!simple);
    memberGrid_->setVisible(!simple);
}

void StructurePage::applyMemberTable()
{
    const int memberCount = context_.project.beam.members.rowCount() - 1;
    const MemberTableGeometry g = memberTableGeometry(memberCount);
    memberGrid_->setVerticalScrollBarPolicy(g.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memberGrid_->setGeometry(g.left, kMemberTableTop, g.width, g.height);
}

void StructurePage::chooseBeamKind(int index)
{
    context_.project.beam.kind = index == 1 ? BeamKind::Continuous : BeamKind::Simple;
    applyBeamKind();
}

void StructurePage::changeMemberCount()
{
    BeamModel& beam = context_.project.beam;
    beam.memberCountText = memberCount_->text().toStdString();
    context_.messages.runCommand([&] {
        rebuildMemberTable(beam);
        members_->reload();
        applyMemberTable();
    });
}

void StructurePage::spanExit()
{
    context_.messages.runCommand([this] {
        if (auto report = checkSpan(context_.project.beam, context_.decimalSeparator))
            context_.messages.showReport(*report, this);
    });
}

void StructurePage::memberLengthsExit()
{
    context_.messages.runCommand([this] {
        if (auto report = checkMemberLengths(context_.project.beam, context_.decimalSeparator))
            context_.messages.showReport(*report, this);
    });
}

void StructurePage::chooseSectionType(int index)
{
    selectSectionType(context_.project.section, static_cast<SectionType>(index));
    applySectionLayout();
}

void StructurePage::applySectionLayout()
{
    const CrossSection& section = context_.project.section;
    const SectionLayout layout = sectionLayout(section.type);
    for (size_t i = 0; i < images_.size(); ++i)
        images_[i]->setVisible(static_cast<int>(i) == layout.picture);
    computeButton_->setVisible(layout.computeVisible);
    for (size_t i = 0; i < 4; ++i) {
        dimensionLabels_[i]->setText(QString::fromUtf8(layout.dimensionLabels[i]));
        dimensionLabels_[i]->adjustSize();
        dimensionLabels_[i]->setVisible(layout.dimensionVisible[i]);
        dimensionEdits_[i]->setVisible(layout.dimensionVisible[i]);
    }
    showSectionValues(layout.valuesVisible);
    for (QLineEdit* edit : valueEdits_)
        edit->setReadOnly(!section.valuesEditable);
}

void StructurePage::showSectionValues(bool shown)
{
    for (QLabel* caption : valueCaptions_)
        caption->setVisible(shown);
    for (QLineEdit* edit : valueEdits_)
        edit->setVisible(shown);
}

void StructurePage::loadSectionValues()
{
    const CrossSection& section = context_.project.section;
    valueEdits_[0]->setText(toQString(section.area));
    valueEdits_[1]->setText(toQString(section.inertia));
    valueEdits_[2]->setText(toQString(section.eBottom));
    valueEdits_[3]->setText(toQString(section.eTop));
}

void StructurePage::computeSection()
{
    context_.messages.runCommand([this] {
        if (auto report = computeSectionValues(context_.project.section, context_.decimalSeparator)) {
            context_.messages.showReport(*report, this);
            return;
        }
        if (context_.project.section.type == SectionType::General)
            return;
        loadSectionValues();
        showSectionValues(true);
    });
}

void StructurePage::dimensionExit(int index)
{
    context_.messages.runCommand([this, index] {
        if (auto report = checkDimension(context_.project.section, index, context_.decimalSeparator))
            context_.messages.showReport(*report, this);
    });
}

void StructurePage::sectionValueExit(int index)
{
    context_.messages.runCommand([this, index] {
        if (auto report = checkSectionValue(context_.project.section, index, context_.decimalSeparator))
            context_.messages.showReport(*report, this);
    });
}

}  // namespace kvor::ui
