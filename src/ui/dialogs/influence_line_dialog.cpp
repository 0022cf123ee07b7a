#include "ui/dialogs/influence_line_dialog.h"

#include "analysis/slot_generation.h"
#include "influence/entry_table.h"
#include "influence/influence_file.h"
#include "influence/table_checks.h"
#include "model/slots.h"
#include "ui/dialogs/influence_generator_panel.h"
#include "ui/export_name.h"
#include "ui/message_service.h"
#include "ui/models/text_table_model.h"
#include "ui/project_session.h"
#include "ui/qt_text.h"
#include "ui/widgets/entry_grid.h"
#include "ui/widgets/file_pickers.h"
#include "ui/widgets/focus_exit.h"
#include "ui/widgets/grid_geometry.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/window_setup.h"

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

}  // namespace

InfluenceLineDialog::~InfluenceLineDialog()
{
    // The model reads entry_, which is destroyed before QWidget's destructor
    // closes the window and lets the grid ask for its headings once more.
    delete entryModel_;
}

InfluenceLineDialog::InfluenceLineDialog(AppContext& context, QWidget* parent)
    : SlotEntryDialog(context, QStringLiteral("Form6"), {553, 354}, QStringLiteral("příčinkové čáry"), parent)
{
    resetEntryTable(entry_);
    entryModel_ = new TextTableModel(&entry_, TextTableModel::Headings::InHeader, this);
    buildControls();
    buildFilePickers();
    showValueCount(kMinValueCount);
    fitTable();
    showMode(kManualItem);
    watchForEdits();
}

void InfluenceLineDialog::buildControls()
{
    title_ = makeLabel(this, QStringLiteral("Label4"), toQString(influenceDialogTitle(1)), {16, 12}, LabelStyle::Bold);
    modeCaption_ = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Příčinkové čáry zadat "), {16, 44});
    modeGroup_ = new RadioGroup(QStringLiteral("RadioGroup1"), QString(),
                                {QStringLiteral("Ručně"), QStringLiteral("Načíst ze souboru"),
                                 QStringLiteral("Z konstrukce")},
                                this);
    modeGroup_->setGeometry(16, 58, 170, 72);
    connect(modeGroup_, &RadioGroup::itemClicked, this, &InfluenceLineDialog::chooseMode);

    countCaption_ = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Počet zadávaných hodnot :"), {16, 132});
    valueCount_ = new QSpinBox(this);
    valueCount_->setObjectName(QStringLiteral("Edit1"));
    valueCount_->setRange(kMinValueCount, kMaxValueCount);
    valueCount_->setWrapping(false);
    // A typed count takes effect when typing ends (Enter or leaving the field),
    // not at each digit: typing 25 over 10 never shrinks the table to 2 rows.
    valueCount_->setKeyboardTracking(false);
    valueCount_->setGeometry(156, 128, 70, 22);
    connect(valueCount_, &QSpinBox::valueChanged, this, &InfluenceLineDialog::changeValueCount);

    table_ = makeEntryGrid(this, QStringLiteral("StringGrid1"), entryModel_);
    setExportTitle(table_, QStringLiteral("příčinková čára"));
    exits_->watch(table_, [this] { checkTable(); });

    stationCaption_ = makeLabel(this, QStringLiteral("Label10"),
                                QStringLiteral("Staničení posuzovaného průřezu X [m]"), {16, 302});
    station_ = makeEdit(this, QStringLiteral("Edit6"), {16, 318, 120, 22});
    station_->setToolTip(QStringLiteral("Nepovinné: průřez, ke kterému čára patří; u ohybového momentu se v "
                                        "něm posoudí napětí od předpětí."));
    exits_->watch(station_, [this] { checkStation(); });

    correctButton_ = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Opravit"), {330, 314, 100, 28},
                                QStyle::SP_FileDialogDetailedView, [this] { correct(); });
    backButton_ = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Zpět"), {440, 314, 100, 28},
                             QStyle::SP_ArrowBack, [this] { storeEntry(); });
}

void InfluenceLineDialog::buildFilePickers()
{
    drives_ = new DriveComboBox(QStringLiteral("DriveComboBox1"), this);
    drives_->setGeometry(240, 40, 145, 22);
    filter_ = new QComboBox(this);
    filter_->setObjectName(QStringLiteral("FilterComboBox1"));
    filter_->addItem(QStringLiteral("Text files (*.txt)"));
    filter_->setGeometry(395, 40, 145, 22);
    folders_ = new DirectoryListBox(QStringLiteral("DirectoryListBox1"), this);
    folders_->setGeometry(240, 68, 145, 170);
    files_ = new FileListBox(QStringLiteral("FileListBox1"), kNoFileChosen, this);
    files_->setGeometry(395, 68, 145, 170);

    fileCaption_ =
        makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Název souboru příčinkových čar"), {240, 248});
    fileName_ = makeEdit(this, QStringLiteral("Edit2"), {240, 264, 145, 22});
    fileName_->setReadOnly(true);
    fileName_->setText(kNoFileChosen);
    loadButton_ = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Načíst"), {395, 262, 100, 26},
                             QStyle::SP_DialogOpenButton);

    pickers_ = {drives_, folders_, files_, fileName_, kNoFileChosen};
    linkPickers(this, context_.messages, pickers_);
    connect(loadButton_, &QPushButton::clicked, this, &InfluenceLineDialog::loadFile);

    // In the place of the file pickers, which mode "Z konstrukce" hides.
    generator_ = new InfluenceGeneratorPanel(this);
    generator_->setGeometry(240, 40, 300, 180);
    connect(generator_, &InfluenceGeneratorPanel::generateClicked, this, &InfluenceLineDialog::generateLine);
}

void InfluenceLineDialog::openForSlot(int slot, QWidget* opener)
{
    takeOpener(opener);
    title_->setText(toQString(influenceDialogTitle(slot)));
    title_->adjustSize();

    modeGroup_->setItemIndex(kManualItem);
    showMode(kManualItem);
    resetEntryTable(entry_);
    entryModel_->reload();
    showValueCount(kMinValueCount);
    fitTable();

    modeGroup_->setEnabled(true);
    valueCount_->setEnabled(true);
    lockTable(false);
    setFileControlsEnabled(true);
    loadButton_->setEnabled(true);
    backButton_->setEnabled(true);
    correctButton_->hide();
    setSlotNumber(slot);
    station_->clear();
    station_->setReadOnly(false);
    // The working directory may have moved since the pickers last looked.
    refreshPickers(pickers_);

    const QuantitySlot& stored = context_.project.quantities[static_cast<size_t>(slot - 1)];
    prepareGenerator(stored);
    if (stored.entered()) {
        if (stored.entryMode != EntryMode::Generated) {
            station_->setText(toQString(stored.station));
            station_->setReadOnly(true);
        }
        showValueCount(loadStoredLine(stored, entry_));
        entryModel_->reload();
        fitTable();
        correctButton_->show();
        modeGroup_->setEnabled(false);
        if (stored.entryMode == EntryMode::FromFile) {
            modeGroup_->setItemIndex(kFromFileItem);
            showMode(kFromFileItem);
            loadButton_->hide();
            fileName_->setText(toQString(stored.sourceFile));
            setFileControlsEnabled(false);
        } else if (stored.entryMode == EntryMode::Generated) {
            // As a line from a file: the parameters shown, the table hidden
            // until "Opravit".
            modeGroup_->setItemIndex(kGeneratedItem);
            showMode(kGeneratedItem);
            generator_->setLocked(true);
        } else {
            valueCount_->setEnabled(false);
            lockTable(true);
        }
    }
    // The focus starts on "Zpět", not in the table: leaving a table that was
    // never typed in must not report its empty cells.
    showInFrontWithFocus(backButton_);
}

void InfluenceLineDialog::showMode(int index)
{
    const bool manual = index == kManualItem;
    const bool fromFile = index == kFromFileItem;
    showEntryTable(manual);
    countCaption_->setVisible(manual);
    valueCount_->setVisible(manual);
    for (QWidget* w : std::initializer_list<QWidget*>{drives_, filter_, folders_, files_, fileCaption_, fileName_,
                                                      loadButton_})
        w->setVisible(fromFile);
    generator_->setVisible(index == kGeneratedItem);
    stationCaption_->setVisible(index != kGeneratedItem);
    station_->setVisible(index != kGeneratedItem);
}

void InfluenceLineDialog::prepareGenerator(const QuantitySlot& slot)
{
    // The kind is the one the slot's kind box shows now; the supports are
    // those of the beam as entered (none while a length is no number).
    generator_->prepare(toQString(slot.kindText), supportChoices(context_.project.beam, context_.decimalSeparator));
    generator_->setLocked(false);
    if (slot.entered() && slot.entryMode == EntryMode::Generated) {
        generatedStation_ = slot.station;
        generated_ = slot.generator;
        generator_->setInput({slot.station, slot.generator.step, slot.generator.modulus});
    } else {
        generatedStation_.clear();
        generated_ = {};
        generator_->setInput({std::string(), defaultGeneratorStep(context_.decimalSeparator), std::string()});
    }
}

void InfluenceLineDialog::showEntryTable(bool shown)
{
    table_->setVisible(shown);
}

void InfluenceLineDialog::reloadTable()
{
    entryModel_->reload();
    fitTable();
}

void InfluenceLineDialog::fitTable()
{
    const EntryTableGeometry g = entryTableGeometry(entry_.rowCount() - 1);
    placeGrid(table_, QRect(kTablePlace, QSize(g.width, g.height)), g.verticalScrollBar);
}

void InfluenceLineDialog::showValueCount(int count)
{
    const QSignalBlocker quiet(valueCount_);
    valueCount_->setValue(count);
}

void InfluenceLineDialog::setFileControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{drives_, filter_, folders_, files_})
        w->setEnabled(enabled);
}

void InfluenceLineDialog::lockTable(bool locked)
{
    // A locked table still scrolls, so a long stored line can be read; its
    // cells cannot be edited.
    entryModel_->setReadOnly(locked);
}

void InfluenceLineDialog::changeValueCount()
{
    context_.messages.runCommand([this] {
        showEntryTable(true);
        const int count = rebuildEntryTable(entry_, valueCount_->cleanText().toStdString());
        reloadTable();
        if (count != valueCount_->value())
            showValueCount(count);
    });
}

void InfluenceLineDialog::chooseMode(int index)
{
    showMode(index);
}

void InfluenceLineDialog::loadFile()
{
    showEntryTable(true);
    context_.messages.runCommand([this] {
        const std::string name = QFile::encodeName(fileName_->text()).toStdString();
        try {
            readInfluenceFile(name, entry_, context_.decimalSeparator);
        } catch (...) {
            reloadTable();  // the rows read before the failure stay and are shown
            throw;
        }
        reloadTable();
    });
}

void InfluenceLineDialog::generateLine()
{
    context_.messages.runCommand([this] {
        const QuantitySlot& slot = context_.project.quantities[static_cast<size_t>(slotNumber() - 1)];
        const SlotLine line =
            generateSlotLine(context_.project, slot.kindText, generator_->input(), context_.decimalSeparator);
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

void InfluenceLineDialog::checkTable()
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
            fault = checkSectionStation(context_.project.beam, station_->text().toStdString(), context_.decimalSeparator);
        }))
        return false;
    if (fault)
        context_.messages.showReport(*fault, this);
    return !fault;
}

void InfluenceLineDialog::checkStation()
{
    if (!station_->isReadOnly() && station_->isVisible())
        sectionStationAccepted();
}

void InfluenceLineDialog::storeEntry()
{
    if (auto report = checkLineEntered(entry_)) {
        context_.messages.showReport(*report, this);
        return;
    }
    const bool generated = modeGroup_->itemIndex() == kGeneratedItem;
    if (!generated && !sectionStationAccepted())
        return;
    const int slot = slotNumber();
    if (generated) {
        context_.session.storeGeneratedLine(slot, entry_, generatedStation_, generated_);
    } else {
        const EntryMode mode = modeGroup_->itemIndex() == kFromFileItem ? EntryMode::FromFile : EntryMode::Manual;
        context_.session.storeInfluenceLine(slot, entry_, mode, fileName_->text().toStdString(),
                                            station_->text().toStdString());
    }
    closeDialog();
    showEntryTable(false);
    clearEntryRows(entry_);
    entryModel_->reload();
}

void InfluenceLineDialog::correct()
{
    modeGroup_->setEnabled(true);
    station_->setReadOnly(false);
    if (modeGroup_->itemIndex() == kFromFileItem) {
        setFileControlsEnabled(true);
        showEntryTable(true);
        lockTable(false);
        loadButton_->show();
        loadButton_->setEnabled(true);
    } else if (modeGroup_->itemIndex() == kGeneratedItem) {
        generator_->setLocked(false);
        showEntryTable(true);
        lockTable(false);
    } else {
        valueCount_->setEnabled(true);
        lockTable(false);
    }
    correctButton_->hide();
}

void InfluenceLineDialog::dropEntry()
{
    resetEntryTable(entry_);
    entryModel_->reload();
}

}  // namespace kvor::ui
