#pragma once
// The Modulation panel: the selection row (which control input is modulated and
// how), the single table row and the slew limit, the table read from the device
// into lvModTable, and the table saved to or loaded from a .modTable file.
// The replies are read by the protocol's selection and row parses; this window
// shows what they give and keeps the list sorted by row.

#include "ControlArray.h"
#include "ToolPanel.h"
#include "protocol/ModulationExchange.h"
#include "protocol/ModulationTable.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dalto {

class frmModulation final : public ToolPanel {
    Q_OBJECT
public:
    explicit frmModulation(Application& app);

    void Form_Load() override;

    // Reads the selection from the device and, when it answered, shows it in the
    // labels and the value column's caption.
    SelectionRead ReadModSelection();
    // Reads one row and files it into the list, at the position the device reports.
    RowRead ReadTableRow(int16_t row);
    void UpdateEepromButton();

    void cmdGetSCPI_Click(int index);
    void cmdSetSCPI_Click(int index);
    void cmdPopulate_Click();
    void cmdClearTbl_Click();
    void cmdSaveToEeprom_Click();
    void cmdSaveMod_Click();
    void cmdLoadMod_Click();
    void lvModTable_ItemClick(QTreeWidgetItem* item);

    QGroupBox* fraCmd;
    ControlArray<QPushButton> cmdGetSCPI;
    ControlArray<QPushButton> cmdSetSCPI;
    ControlArray<QLineEdit> txtData1;
    ControlArray<QLineEdit> txtData2;
    ControlArray<QLineEdit> txtData3;
    ControlArray<QLineEdit> txtSCPI;
    QLabel* lblFunction;
    QLabel* lblTable;
    QLabel* lblType;
    QTreeWidget* lvModTable;
    QProgressBar* prgPopulate;
    QPushButton* cmdPopulate;
    QPushButton* cmdClearTbl;
    QPushButton* cmdSaveMod;
    QPushButton* cmdLoadMod;
    QPushButton* cmdSaveToEeprom;

    // What the list shows, with the selection a saved file records.
    const ModulationTable& table() const { return table_; }
    int tableLength() const { return ModulationTableLength; }
    // The list's item for a row, or null.
    QTreeWidgetItem* itemForRow(int16_t row) const;

protected:
    void showEvent(QShowEvent* event) override;
    void afterSetup() override;

private:
    QWidget* buildCommandFrame();
    QWidget* buildParameterFrame();
    void showEepromButtonByVersion();
    ModulationBoxes boxes() const;
    void showSelection();
    void showRow(const ModTableRow& row);
    void showRowRead(int16_t asked, const RowRead& read);
    void showRowInBoxes(int16_t asked, const RowRead& read);
    void showSelectedRowInBoxes();
    void takeSelection(const SelectionRead& read, bool changed);
    void showSelectionInBoxes(const ModSelection& selection);
    bool anyBoxEmpty(std::initializer_list<QLineEdit*> boxes);
    void setTableButtonsEnabled(bool enabled);

    ModulationTable table_;
    bool columnsSized_ = false;
};

} // namespace dalto
