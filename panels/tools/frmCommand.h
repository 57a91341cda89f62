#pragma once
// The Command panel: one row per SCPI or IEEE-488 common command, with Get (the
// query form), Set (the command, with the row's box as argument on data rows) and
// a data box, addressed by the command's position in ScpiCommands / IeeeCommands.
// Sends nothing on load; every exchange is echoed into the transcript.

#include "CommandRows.h"
#include "ControlArray.h"
#include "ToolPanel.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto {

class frmCommand final : public ToolPanel {
    Q_OBJECT
public:
    explicit frmCommand(Application& app);

    void Form_Load() override;

    void cmdGetSCPI_Click(int index);
    void cmdSetSCPI_Click(int index);
    void cmdGetIEEE_Click(int index);
    void cmdSetIEEE_Click(int index);

    QGroupBox* fraCmd1;
    QGroupBox* fraCmd2;
    ControlArray<QPushButton> cmdGetSCPI;
    ControlArray<QPushButton> cmdSetSCPI;
    ControlArray<QLineEdit> txtSCPI;
    ControlArray<QPushButton> cmdGetIEEE;
    ControlArray<QPushButton> cmdSetIEEE;
    ControlArray<QLineEdit> txtIEEE;
    // The caption label of each SCPI row.
    ControlArray<QLabel> lblSCPI;
    QLabel* lblGPIBVers = nullptr;
    QLabel* lblEthernetVers = nullptr;

protected:
    void afterSetup() override;

private:
    void addRow(QGridLayout& grid, int line, const CommandRow& row);
    void applyTypeRules();
    void applyBusRules();
    void setRowUsable(int scpiIndex, bool usable);
};

} // namespace dalto
