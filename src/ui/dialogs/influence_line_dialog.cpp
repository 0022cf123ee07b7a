#include "ui/dialogs/influence_line_dialog.h"

#include "analysis/slot_generation.h"
#include "influence/entry_table.h"
#include "influence/influence_file.h"
#include "influence/table_checks.h"
#include "model/slots.h"
#include "ui/dialogs/influence_generator_panel.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/unsaved_work.h"
#include "ui/widgets/input_edits.h"
#include "ui/models/text_table_model.h"
#include "ui/project_session.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/file_pickers.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/grid_geometry.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>

namespace kvor::ui {

namespace {

enum ModeItem { kManualItem = 0, kFromFileItem = 1, kGeneratedItem = 2 };

const QString kNoFileChosen = QStringLiteral("*.txt");
constexpr QPoint kTablePlace{16, 160};

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

InfluenceLineDialog::~InfluenceLineDialog()
{
    // The model reads entry_, which is destroyed before QWidget's destructor
    // closes the window and lets the grid ask for its headings once more.
    delete entryModel_;
}

InfluenceLineDialog::InfluenceLineDialog(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), exits_(new FocusExitWatcher(this))
{
    setObjectName(QStringLiteral("Form6"));
    setupFixedWindow(this, {553, 354}, TitleBar::CloseButton);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, look.color(QPalette::ToolTipBase));
    setPalette(look);

    resetEntryTable(entry_);
    entryModel_ = new TextTableModel(&entry_, TextTableModel::Headings::InHeader, this);
    buildControls();
    buildFilePickers();
    showValueCount(kMinValueCount);
    fitTable();
    showMode(kManualItem);
    watchInputEdits(this, [this] { edited_ = true; });
}

void InfluenceLineDialog::buildControls()
{
    Label4 = makeLabel(this, QStringLiteral("Label4"), toQString(influenceDialogTitle(1)), {16, 12}, LabelStyle::Bold);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Příčinkové čáry zadat "), {16, 44});
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QString(),
                                 {QStringLiteral("Ručně"), QStringLiteral("Načíst ze souboru"),
                                  QStringLiteral("Z konstrukce")},
                                 this);
    RadioGroup1->setGeometry(16, 58, 170, 72);
    connect(RadioGroup1, &RadioGroup::itemClicked, this, &InfluenceLineDialog::RadioGroup1Click);

    // The slot being edited, kept as the choice of a hidden group.
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QString(),
                                 {QStringLiteral("veličina 1"), QStringLiteral("veličina 2"),
                                  QStringLiteral("veličina 3"), QStringLiteral("veličina 4"),
                                  QStringLiteral("veličina 5")},
                                 this);
    RadioGroup2->hide();

    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Počet zadávaných hodnot :"), {16, 132});
    Edit1 = new QSpinBox(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setRange(kMinValueCount, kMaxValueCount);
    Edit1->setWrapping(false);
    // A typed count takes effect when typing ends (Enter or leaving the field),
    // not at each digit: typing 25 over 10 never shrinks the table to 2 rows.
    Edit1->setKeyboardTracking(false);
    Edit1->setGeometry(156, 128, 70, 22);
    connect(Edit1, &QSpinBox::valueChanged, this, &InfluenceLineDialog::Edit1Change);

    StringGrid1 = makeEntryGrid(this, QStringLiteral("StringGrid1"), entryModel_);
    setExportTitle(StringGrid1, QStringLiteral("příčinková čára"));
    exits_->watch(StringGrid1, [this] { StringGrid1Exit(); });

    Label10 = makeLabel(this, QStringLiteral("Label10"), QStringLiteral("Staničení posuzovaného průřezu X [m]"),
                        {16, 302});
    Edit6 = makeEdit(this, QStringLiteral("Edit6"), {16, 318, 120, 22});
    Edit6->setToolTip(QStringLiteral("Nepovinné: průřez, ke kterému čára patří; u ohybového momentu se v něm "
                                     "posoudí napětí od předpětí."));
    exits_->watch(Edit6, [this] { Edit6Exit(); });

    BitBtn3 = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Opravit"), {330, 314, 100, 28});
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    BitBtn2 = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Zpět"), {440, 314, 100, 28});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    connect(BitBtn3, &QPushButton::clicked, this, &InfluenceLineDialog::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &InfluenceLineDialog::BitBtn2Click);
}

void InfluenceLineDialog::buildFilePickers()
{
    DriveComboBox1 = new DriveComboBox(QStringLiteral("DriveComboBox1"), this);
    DriveComboBox1->setGeometry(240, 40, 145, 22);
    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FilterComboBox1->addItem(QStringLiteral("Text files (*.txt)"));
    FilterComboBox1->setGeometry(395, 40, 145, 22);
    DirectoryListBox1 = new DirectoryListBox(QStringLiteral("DirectoryListBox1"), this);
    DirectoryListBox1->setGeometry(240, 68, 145, 170);
    FileListBox1 = new FileListBox(QStringLiteral("FileListBox1"), kNoFileChosen, this);
    FileListBox1->setGeometry(395, 68, 145, 170);

    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Název souboru příčinkových čar"), {240, 248});
    Edit2 = makeEdit(this, QStringLiteral("Edit2"), {240, 264, 145, 22});
    Edit2->setReadOnly(true);
    Edit2->setText(kNoFileChosen);
    BitBtn1 = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Načíst"), {395, 262, 100, 26});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));

    pickers_ = {DriveComboBox1, DirectoryListBox1, FileListBox1, Edit2, kNoFileChosen};
    linkPickers(this, context_.messages, pickers_);
    connect(BitBtn1, &QPushButton::clicked, this, &InfluenceLineDialog::BitBtn1Click);

    // In the place of the file pickers, which mode "Z konstrukce" hides.
    Panel1 = new GeneratorPanel(this);
    Panel1->setGeometry(240, 40, 300, 180);
    connect(Panel1, &GeneratorPanel::generateClicked, this, &InfluenceLineDialog::BitBtn4Click);
}

int InfluenceLineDialog::slotNumber() const
{
    return RadioGroup2->itemIndex() + 1;
}

void InfluenceLineDialog::openForSlot(int slot, QWidget* opener)
{
    opener_ = opener;
    edited_ = false;
    if (opener_)
        opener_->setEnabled(false);
    Label4->setText(toQString(influenceDialogTitle(slot)));
    Label4->adjustSize();

    RadioGroup1->setItemIndex(kManualItem);
    showMode(kManualItem);
    resetEntryTable(entry_);
    entryModel_->reload();
    showValueCount(kMinValueCount);
    fitTable();

    RadioGroup1->setEnabled(true);
    Edit1->setEnabled(true);
    lockTable(false);
    setFileControlsEnabled(true);
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn3->hide();
    RadioGroup2->setItemIndex(slot - 1);
    Edit6->clear();
    Edit6->setReadOnly(false);
    // The working directory may have moved since the pickers last looked.
    refreshPickers(pickers_);

    const QuantitySlot& stored = context_.project.quantities[static_cast<size_t>(slot - 1)];
    prepareGenerator(stored);
    if (stored.entered()) {
        if (stored.entryMode != EntryMode::Generated) {
            Edit6->setText(toQString(stored.station));
            Edit6->setReadOnly(true);
        }
        showValueCount(loadStoredLine(stored, entry_));
        entryModel_->reload();
        fitTable();
        BitBtn3->show();
        RadioGroup1->setEnabled(false);
        if (stored.entryMode == EntryMode::FromFile) {
            RadioGroup1->setItemIndex(kFromFileItem);
            showMode(kFromFileItem);
            BitBtn1->hide();
            Edit2->setText(toQString(stored.sourceFile));
            setFileControlsEnabled(false);
        } else if (stored.entryMode == EntryMode::Generated) {
            // As a line from a file: the parameters shown, the table hidden
            // until "Opravit".
            RadioGroup1->setItemIndex(kGeneratedItem);
            showMode(kGeneratedItem);
            Panel1->setLocked(true);
        } else {
            Edit1->setEnabled(false);
            lockTable(true);
        }
    }
    // The focus starts on "Zpět", not in the table: leaving a table that was
    // never typed in must not report its empty cells.
    BitBtn2->setFocus(Qt::OtherFocusReason);
    showInFront(this);
}

void InfluenceLineDialog::showMode(int index)
{
    const bool manual = index == kManualItem;
    const bool fromFile = index == kFromFileItem;
    showEntryTable(manual);
    Label2->setVisible(manual);
    Edit1->setVisible(manual);
    for (QWidget* w : std::initializer_list<QWidget*>{DriveComboBox1, FilterComboBox1, DirectoryListBox1,
                                                      FileListBox1, Label3, Edit2, BitBtn1})
        w->setVisible(fromFile);
    Panel1->setVisible(index == kGeneratedItem);
    Label10->setVisible(index != kGeneratedItem);
    Edit6->setVisible(index != kGeneratedItem);
}

void InfluenceLineDialog::prepareGenerator(const QuantitySlot& slot)
{
    // The kind is the one the slot's kind box shows now; the supports are
    // those of the beam as entered (none while a length is no number).
    Panel1->prepare(toQString(slot.kindText), supportChoices(context_.project.beam, context_.decimalSeparator));
    Panel1->setLocked(false);
    if (slot.entered() && slot.entryMode == EntryMode::Generated) {
        generatedStation_ = slot.station;
        generated_ = slot.generator;
        Panel1->setInput({slot.station, slot.generator.step, slot.generator.modulus});
    } else {
        generatedStation_.clear();
        generated_ = {};
        Panel1->setInput({std::string(), defaultGeneratorStep(context_.decimalSeparator), std::string()});
    }
}

void InfluenceLineDialog::showEntryTable(bool shown)
{
    StringGrid1->setVisible(shown);
}

void InfluenceLineDialog::reloadTable()
{
    entryModel_->reload();
    fitTable();
}

void InfluenceLineDialog::fitTable()
{
    const EntryTableGeometry g = entryTableGeometry(entry_.rowCount() - 1);
    placeGrid(StringGrid1, QRect(kTablePlace, QSize(g.width, g.height)), g.verticalScrollBar);
}

void InfluenceLineDialog::showValueCount(int count)
{
    const QSignalBlocker quiet(Edit1);
    Edit1->setValue(count);
}

void InfluenceLineDialog::setFileControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{DriveComboBox1, FilterComboBox1, DirectoryListBox1,
                                                      FileListBox1})
        w->setEnabled(enabled);
}

void InfluenceLineDialog::lockTable(bool locked)
{
    // A locked table still scrolls, so a long stored line can be read; its
    // cells cannot be edited.
    entryModel_->setReadOnly(locked);
}

void InfluenceLineDialog::Edit1Change()
{
    context_.messages.runCommand([this] {
        showEntryTable(true);
        const int count = rebuildEntryTable(entry_, Edit1->cleanText().toStdString());
        reloadTable();
        if (count != Edit1->value())
            showValueCount(count);
    });
}

void InfluenceLineDialog::RadioGroup1Click(int index)
{
    showMode(index);
}

void InfluenceLineDialog::BitBtn1Click()
{
    showEntryTable(true);
    context_.messages.runCommand([this] {
        const std::string name = QFile::encodeName(Edit2->text()).toStdString();
        try {
            readInfluenceFile(name, entry_, context_.decimalSeparator);
        } catch (...) {
            reloadTable();  // the rows read before the failure stay and are shown
            throw;
        }
        reloadTable();
    });
}

void InfluenceLineDialog::BitBtn4Click()
{
    context_.messages.runCommand([this] {
        const QuantitySlot& slot = context_.project.quantities[static_cast<size_t>(slotNumber() - 1)];
        const SlotLine line =
            generateSlotLine(context_.project, slot.kindText, Panel1->input(), context_.decimalSeparator);
        if (line.fault) {
            context_.messages.showReport(*line.fault, this);
            return;
        }
        // The table is filled exactly as "Načíst" fills it from a file.
        showEntryTable(true);
        readInfluenceText(line.fileText, entry_, context_.decimalSeparator);
        reloadTable();
        generatedStation_ = line.station;
        generated_ = line.parameters;
    });
}

void InfluenceLineDialog::StringGrid1Exit()
{
    if (entryModel_->isReadOnly())
        return;  // a locked table cannot have changed
    context_.messages.runCommand([this] {
        for (const Report& report : checkInfluenceTable(context_.project.beam, entry_, context_.decimalSeparator))
            context_.messages.showReport(report, this);
    });
}

bool InfluenceLineDialog::sectionStationAccepted()
{
    // An empty field passes without looking at the beam; otherwise a beam
    // length that is no number fails the command as the table check does.
    std::optional<Report> fault;
    if (!context_.messages.runCommand([&] {
            fault = checkSectionStation(context_.project.beam, Edit6->text().toStdString(), context_.decimalSeparator);
        }))
        return false;
    if (fault)
        context_.messages.showReport(*fault, this);
    return !fault;
}

void InfluenceLineDialog::Edit6Exit()
{
    if (!Edit6->isReadOnly() && Edit6->isVisible())
        sectionStationAccepted();
}

void InfluenceLineDialog::BitBtn2Click()
{
    if (auto report = checkLineEntered(entry_)) {
        context_.messages.showReport(*report, this);
        return;
    }
    const bool generated = RadioGroup1->itemIndex() == kGeneratedItem;
    if (!generated && !sectionStationAccepted())
        return;
    const int slot = slotNumber();
    if (generated) {
        context_.session.storeGeneratedLine(slot, entry_, generatedStation_, generated_);
    } else {
        const EntryMode mode = RadioGroup1->itemIndex() == kFromFileItem ? EntryMode::FromFile : EntryMode::Manual;
        context_.session.storeInfluenceLine(slot, entry_, mode, Edit2->text().toStdString(),
                                            Edit6->text().toStdString());
    }
    closeDialog();
    showEntryTable(false);
    clearEntryRows(entry_);
    entryModel_->reload();
}

void InfluenceLineDialog::BitBtn3Click()
{
    RadioGroup1->setEnabled(true);
    Edit6->setReadOnly(false);
    if (RadioGroup1->itemIndex() == kFromFileItem) {
        setFileControlsEnabled(true);
        showEntryTable(true);
        lockTable(false);
        BitBtn1->show();
        BitBtn1->setEnabled(true);
    } else if (RadioGroup1->itemIndex() == kGeneratedItem) {
        Panel1->setLocked(false);
        showEntryTable(true);
        lockTable(false);
    } else {
        Edit1->setEnabled(true);
        lockTable(false);
    }
    BitBtn3->hide();
}

void InfluenceLineDialog::closeDialog()
{
    hide();
    if (opener_) {
        opener_->setEnabled(true);
        showInFront(opener_);
    }
    opener_ = nullptr;
}

void InfluenceLineDialog::closeEvent(QCloseEvent* event)
{
    // Closing through the frame stores nothing and gives the opener back;
    // typed input is not dropped silently.
    event->ignore();
    if (edited_) {
        const EditsOnClose answer = askAboutEdits(context_.messages, QStringLiteral("příčinkové čáry"));
        if (answer == EditsOnClose::Keep)
            BitBtn2Click();
        if (answer != EditsOnClose::Discard)
            return;
    }
    closeDialog();
    resetEntryTable(entry_);
    entryModel_->reload();
}

}  // namespace kvor::ui
