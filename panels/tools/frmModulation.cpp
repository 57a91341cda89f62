#include "frmModulation.h"

#include "RowControls.h"
#include "app/Application.h"
#include "app/WindowNames.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/ModulationTableFile.h"
#include "protocol/StatusProtocol.h"
#include "setup/WaitCursor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dalto {

namespace {
constexpr int SelectionRow = 35;
constexpr int TableRow = 36;
constexpr int SlewLimitRow = 43;

// lvModTable's columns: the hidden sort key, then what the user sees.
enum Column { RowSort, RowNumber, Vmod, ModValue };

// Devices store the table in non-volatile memory from control firmware 4.7 on,
// the MW series from 1.4 on.
bool eepromWriteAvailable(const QString& firmwareVersion, int systemType)
{
    const double version = legacy::leadingNumber(firmwareVersion);
    return version >= (systemType == 3 ? 1.4 : 4.7);
}

QLineEdit* dataBox(const QString& name, const QString& caption)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setMinimumWidth(80);
    return box;
}
} // namespace

frmModulation::frmModulation(Application& app)
    : ToolPanel(app, window::frmModulation, QStringLiteral("Modulation Panel"))
    , fraCmd(new QGroupBox(QStringLiteral("Commands:")))
    , lblFunction(new QLabel(QStringLiteral("Mod")))
    , lblTable(new QLabel(QStringLiteral("Control Input:")))
    , lblType(new QLabel(QStringLiteral("Modulation Type:")))
    , lvModTable(new QTreeWidget)
    , prgPopulate(new QProgressBar)
    , cmdPopulate(new QPushButton(QStringLiteral("Get All Data")))
    , cmdClearTbl(new QPushButton(QStringLiteral("Clear All Data")))
    , cmdSaveMod(new QPushButton(QStringLiteral("Save Table")))
    , cmdLoadMod(new QPushButton(QStringLiteral("Load Table")))
    , cmdSaveToEeprom(new QPushButton(QStringLiteral("Write Table to EEPROM")))
{
    auto* content = new QWidget;
    auto* frames = new QHBoxLayout(content);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(buildCommandFrame(), 0, Qt::AlignTop);
    frames->addWidget(buildParameterFrame(), 1);
    setPanelContent(content);
    cmdSave->setText(QStringLiteral("Save Output to File"));
    cmdClear->setText(QStringLiteral("Clear Output"));
}

QWidget* frmModulation::buildCommandFrame()
{
    fraCmd->setObjectName(QStringLiteral("fraCmd"));
    auto* grid = new QGridLayout(fraCmd);
    int column = 0;
    for (const char* header : {"Get", "Set", "Command"}) {
        auto* label = new QLabel(QString::fromLatin1(header));
        label->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid->addWidget(label, 0, column++);
    }

    struct Box {
        ControlArray<QLineEdit>* array;
        const char* name;
        QString caption;
    };
    struct Row {
        int index;
        QString command;
        std::vector<Box> boxes;
    };
    const Row rows[] = {
        {SelectionRow, QStringLiteral("MOD:TYPE:SEL"),
         {{&txtData1, "txtData1", QStringLiteral("Control Input")},
          {&txtData2, "txtData2", QStringLiteral("Modulation Type")}}},
        {TableRow, QStringLiteral("MOD:TABL"),
         {{&txtData1, "txtData1", QStringLiteral("Row")},
          {&txtData2, "txtData2", QStringLiteral("VMOD")},
          {&txtData3, "txtData3", QStringLiteral("Mod")}}},
        {SlewLimitRow, QStringLiteral("MOD:TABL:SlewLIM"), {{&txtSCPI, "txtSCPI", QStringLiteral("Value")}}},
    };

    int line = 1;
    for (const Row& row : rows) {
        auto* get = RowButton(QStringLiteral("Get"), ArrayName("cmdGetSCPI", row.index), row.command);
        auto* set = RowButton(QStringLiteral("Set"), ArrayName("cmdSetSCPI", row.index), row.command);
        cmdGetSCPI[row.index] = get;
        cmdSetSCPI[row.index] = set;
        const int index = row.index;
        connect(get, &QPushButton::clicked, this, [this, index] { cmdGetSCPI_Click(index); });
        connect(set, &QPushButton::clicked, this, [this, index] { cmdSetSCPI_Click(index); });
        grid->addWidget(get, line + 1, 0);
        grid->addWidget(set, line + 1, 1);
        grid->addWidget(new QLabel(row.command), line + 1, 2);

        // Captions above their boxes.
        int boxColumn = 3;
        for (const Box& box : row.boxes) {
            QLineEdit* edit = dataBox(ArrayName(box.name, row.index), box.caption);
            (*box.array)[row.index] = edit;
            QLabel* caption = box.array == &txtData3 ? lblFunction : new QLabel(box.caption);
            caption->setBuddy(edit);
            grid->addWidget(caption, line, boxColumn);
            grid->addWidget(edit, line + 1, boxColumn++);
        }
        line += 2;
    }
    lblFunction->setObjectName(QStringLiteral("lblFunction"));
    grid->setRowStretch(line, 1);
    return fraCmd;
}

QWidget* frmModulation::buildParameterFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Modulation Parameters:"));
    lblTable->setObjectName(QStringLiteral("lblTable"));
    lblType->setObjectName(QStringLiteral("lblType"));
    lvModTable->setObjectName(QStringLiteral("lvModTable"));
    lvModTable->setAccessibleName(QStringLiteral("Modulation table"));
    lvModTable->setRootIsDecorated(false);
    lvModTable->setUniformRowHeights(true);
    lvModTable->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the three visible columns and a dozen rows without scrolling sideways.
    lvModTable->setMinimumSize(300, 240);
    prgPopulate->setObjectName(QStringLiteral("prgPopulate"));
    prgPopulate->setAccessibleName(QStringLiteral("Rows read"));
    // Hidden between reads without giving its place to the list, so that the list
    // does not move under the row just read.
    QSizePolicy keepPlace = prgPopulate->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    prgPopulate->setSizePolicy(keepPlace);
    prgPopulate->setVisible(false);

    const std::pair<QPushButton*, const char*> buttons[] = {
        {cmdPopulate, "cmdPopulate"}, {cmdClearTbl, "cmdClearTbl"},       {cmdSaveMod, "cmdSaveMod"},
        {cmdLoadMod, "cmdLoadMod"},   {cmdSaveToEeprom, "cmdSaveToEeprom"},
    };
    auto* column = new QVBoxLayout;
    for (const auto& [button, name] : buttons) {
        button->setObjectName(QLatin1String(name));
        column->addWidget(button);
    }
    column->addStretch();
    connect(cmdPopulate, &QPushButton::clicked, this, &frmModulation::cmdPopulate_Click);
    connect(cmdClearTbl, &QPushButton::clicked, this, &frmModulation::cmdClearTbl_Click);
    connect(cmdSaveMod, &QPushButton::clicked, this, &frmModulation::cmdSaveMod_Click);
    connect(cmdLoadMod, &QPushButton::clicked, this, &frmModulation::cmdLoadMod_Click);
    connect(cmdSaveToEeprom, &QPushButton::clicked, this, &frmModulation::cmdSaveToEeprom_Click);
    connect(lvModTable, &QTreeWidget::itemClicked, this, &frmModulation::lvModTable_ItemClick);

    auto* listSide = new QVBoxLayout;
    listSide->addWidget(lblTable);
    listSide->addWidget(lblType);
    listSide->addWidget(lvModTable, 1);
    listSide->addWidget(prgPopulate);
    auto* layout = new QHBoxLayout(frame);
    layout->addLayout(listSide, 1);
    layout->addLayout(column);
    return frame;
}

void frmModulation::Form_Load()
{
    loadToolPanel();
    table_ = {};
    lvModTable->setHeaderLabels({QStringLiteral("RowSort"), QStringLiteral("Row"), QStringLiteral("VMOD"),
                                 QStringLiteral("Mod")});
    lvModTable->setColumnHidden(RowSort, true);
    // The value column takes what the other columns leave, at least its caption.
    lvModTable->header()->setStretchLastSection(true);
    lvModTable->sortByColumn(RowSort, Qt::AscendingOrder);
    lvModTable->setSortingEnabled(true);
    UpdateEepromButton();
}

// The row and VMOD columns are sized from the list's width, which it has only
// once the window is laid out and shown.
void frmModulation::showEvent(QShowEvent* event)
{
    ToolPanel::showEvent(event);
    if (columnsSized_)
        return;
    columnsSized_ = true;
    const int width = lvModTable->viewport()->width();
    lvModTable->setColumnWidth(RowNumber, width / 6);
    lvModTable->setColumnWidth(Vmod, width / 3);
}

void frmModulation::UpdateEepromButton()
{
    ReadAllState(app().link());
    showEepromButtonByVersion();
}

// Setup has just read the device again; the supply type may have changed.
void frmModulation::afterSetup()
{
    showEepromButtonByVersion();
}

void frmModulation::showEepromButtonByVersion()
{
    const SharedState& state = app().state();
    cmdSaveToEeprom->setVisible(eepromWriteAvailable(state.FirmwareVersion, state.SystemType));
}

ModulationBoxes frmModulation::boxes() const
{
    return {txtData1.at(SelectionRow)->text(), txtData2.at(SelectionRow)->text(), txtData2.at(TableRow)->text(),
            txtData3.at(TableRow)->text()};
}

SelectionRead frmModulation::ReadModSelection()
{
    const SelectionRead read = dalto::ReadModSelection(app().link(), table_, boxes());
    if (read.outcome == ModRead::Answered)
        showSelection();
    return read;
}

RowRead frmModulation::ReadTableRow(int16_t row)
{
    const RowRead read = dalto::ReadTableRow(app().link(), table_, row, boxes());
    showRowRead(row, read);
    return read;
}

// The list follows the table: a row read is shown under the position the device
// reported; a row the table no longer holds leaves the list.
void frmModulation::showRowRead(int16_t asked, const RowRead& read)
{
    if (read.outcome == ModRead::Answered)
        showRow(read.row);
    else if (!table_.find(asked))
        delete itemForRow(asked);
}

// The MOD:TABL row's boxes after a Get or Set: what the device returned, or the
// row asked for with empty values when it returned nothing.
void frmModulation::showRowInBoxes(int16_t asked, const RowRead& read)
{
    const bool answered = read.outcome == ModRead::Answered;
    txtData1.at(TableRow)->setText(QString::number(answered ? read.row.row : asked));
    txtData2.at(TableRow)->setText(answered ? read.row.vmod : QString());
    txtData3.at(TableRow)->setText(answered ? read.row.value : QString());
}

void frmModulation::showSelection()
{
    lblTable->setText(ControlInputLabel(table_.shown.controlInput));
    lblType->setText(ModulationTypeLabel(table_.shown.modType));
    const QString caption = ModValueCaption(table_.shown);
    lvModTable->headerItem()->setText(ModValue, caption);
    lblFunction->setText(caption);
}

QTreeWidgetItem* frmModulation::itemForRow(int16_t row) const
{
    const QString key = ModRowKey(row);
    for (int i = 0; i < lvModTable->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvModTable->topLevelItem(i);
        if (item->data(RowSort, Qt::UserRole).toString() == key)
            return item;
    }
    return nullptr;
}

// A row read again keeps its item; the list re-sorts itself on the hidden column.
void frmModulation::showRow(const ModTableRow& row)
{
    QTreeWidgetItem* item = itemForRow(row.row);
    if (!item) {
        item = new QTreeWidgetItem;
        item->setData(RowSort, Qt::UserRole, ModRowKey(row.row));
        item->setText(RowSort, ModRowSortText(row.row));
        lvModTable->addTopLevelItem(item);
    }
    item->setText(RowNumber, QString::number(row.row));
    item->setText(Vmod, row.vmod);
    item->setText(ModValue, row.value);
    lvModTable->clearSelection();
    item->setSelected(true);
    lvModTable->setCurrentItem(item);
    lvModTable->scrollToItem(item);
}

void frmModulation::showSelectedRowInBoxes()
{
    const QList<QTreeWidgetItem*> selected = lvModTable->selectedItems();
    if (selected.isEmpty())
        return;
    lvModTable->scrollToItem(selected.first());
    lvModTable_ItemClick(selected.first());
}

void frmModulation::lvModTable_ItemClick(QTreeWidgetItem* item)
{
    txtData1.at(TableRow)->setText(item ? item->text(RowNumber) : QString());
    txtData2.at(TableRow)->setText(item ? item->text(Vmod) : QString());
    txtData3.at(TableRow)->setText(item ? item->text(ModValue) : QString());
}

// What a selection read gave, in the row's boxes and the panel's selection. A read
// that got no answer changes nothing, unless changed says a command has just been
// sent: then what the device holds is not known.
void frmModulation::takeSelection(const SelectionRead& read, bool changed)
{
    if (read.outcome != ModRead::LinkLost)
        showSelectionInBoxes(read.selection);
    else if (changed)
        table_.selection = {};
}

void frmModulation::showSelectionInBoxes(const ModSelection& selection)
{
    txtData1.at(SelectionRow)->setText(QString::number(selection.controlInput));
    txtData2.at(SelectionRow)->setText(QString::number(selection.modType));
    table_.selection = selection;
}

bool frmModulation::anyBoxEmpty(std::initializer_list<QLineEdit*> boxes)
{
    for (QLineEdit* box : boxes) {
        if (box->text().isEmpty()) {
            app().context().prompts.message(QStringLiteral("Complete Data for Command"), ApplicationTitle,
                                            PromptButtons::Ok, PromptIcon::Critical);
            return true;
        }
    }
    return false;
}

void frmModulation::cmdGetSCPI_Click(int index)
{
    fraCmd->setEnabled(false);
    if (index == SelectionRow) {
        takeSelection(ReadModSelection(), false);
    } else if (index == TableRow) {
        QLineEdit* rowBox = txtData1.at(TableRow);
        if (rowBox->text().isEmpty())
            rowBox->setText(QStringLiteral("1"));
        const int16_t row = ModRowAsked(rowBox->text());
        showRowInBoxes(row, ReadTableRow(row));
    } else {
        DeviceLink& link = app().link();
        link.WriteDevice(QueryOf(app().state().ScpiCommands.value(index)), true);
        link.ReadDevice(app().state().LastError, 2, true);
        QString value = app().state().LastError;
        value.remove(QLatin1Char('\r'));
        value.remove(QLatin1Char('\n'));
        QLineEdit* box = txtSCPI.at(index);
        box->setText(value);
        box->setFocus();
        box->selectAll();
    }
    fraCmd->setEnabled(true);
}

void frmModulation::cmdSetSCPI_Click(int index)
{
    DeviceLink& link = app().link();
    const QString entry = app().state().ScpiCommands.value(index);
    if (index == SelectionRow) {
        if (anyBoxEmpty({txtData1.at(index), txtData2.at(index)}))
            return;
        link.WriteDevice(entry + QLatin1Char(' ') + txtData1.at(index)->text() + QLatin1Char(',')
                             + txtData2.at(index)->text(),
                         true);
        takeSelection(ReadModSelection(), true);
    } else if (index == TableRow) {
        if (anyBoxEmpty({txtData1.at(index), txtData2.at(index), txtData3.at(index)}))
            return;
        QLineEdit* rowBox = txtData1.at(index);
        const double asked = legacy::leadingNumber(rowBox->text());
        if (asked > ModulationTableLength)
            rowBox->setText(QString::number(ModulationTableLength));
        else if (asked < 1)
            rowBox->setText(QStringLiteral("1"));
        const int16_t row = ModRowAsked(rowBox->text());
        link.WriteDevice(entry + QLatin1Char(' ') + QString::number(row) + QLatin1Char('(') + txtData2.at(index)->text()
                             + QLatin1Char(',') + txtData3.at(index)->text() + QLatin1Char(')'),
                         true);
        const RowRead read = dalto::ReadTableRow(link, table_, row, boxes());
        // Sent but not read back: the device may hold either value.
        if (!ContinuesAfter(read.outcome))
            table_.remove(row);
        showRowRead(row, read);
        showRowInBoxes(row, read);
    } else {
        link.WriteDevice(entry + QLatin1Char(' ') + txtSCPI.at(index)->text(), true);
    }
}

void frmModulation::setTableButtonsEnabled(bool enabled)
{
    for (QPushButton* button : {cmdPopulate, cmdClearTbl, cmdSaveMod, cmdLoadMod, cmdSaveToEeprom})
        button->setEnabled(enabled);
    fraCmd->setEnabled(enabled);
}

// The panel stays live while the rows come in: each row is shown as it arrives
// and the buttons that would start another exchange wait until the end.
void frmModulation::cmdPopulate_Click()
{
    WaitCursor wait;
    setTableButtonsEnabled(false);
    lvModTable->clear();
    prgPopulate->setRange(0, ModulationTableLength);
    prgPopulate->setValue(0);
    prgPopulate->setVisible(true);
    ReadModulationTable(app().link(), table_, boxes(), [this](int16_t asked, const RowRead& read) {
        showSelection(); // read just before the first row
        showRowRead(asked, read);
        prgPopulate->setValue(asked);
        app().context().clock.pump();
    });
    showSelection();
    prgPopulate->setVisible(false);
    showSelectedRowInBoxes();
    setTableButtonsEnabled(true);
}

void frmModulation::cmdClearTbl_Click()
{
    table_.clearRows();
    table_.shown = {};
    lvModTable->clear();
    lblTable->setText(QStringLiteral("Control Input:"));
    lblType->setText(QStringLiteral("Modulation Type:"));
}

void frmModulation::cmdSaveToEeprom_Click()
{
    app().link().WriteDevice(QStringLiteral("MOD:TABL:SAVE"), true);
}

void frmModulation::cmdSaveMod_Click()
{
    SaveModulationTable(app().context(), table_);
}

void frmModulation::cmdLoadMod_Click()
{
    WaitCursor wait;
    setTableButtonsEnabled(false);
    const bool loaded = LoadModulationTable(app().link(), table_, boxes(), [this](int16_t asked, const RowRead& read) {
        showRowRead(asked, read);
        app().context().clock.pump();
    });
    if (loaded) {
        showSelection();
        showSelectionInBoxes(table_.selection);
        showSelectedRowInBoxes();
    }
    setTableButtonsEnabled(true);
}

} // namespace dalto
