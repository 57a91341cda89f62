#pragma once
// The Register panel: reads the four IEEE-488.2 registers and the two SCPI
// condition registers, lights each set bit red and shows the value in decimal,
// hexadecimal and binary; writes ESE and SRE from an entry in the chosen format.

#include "ControlArray.h"
#include "RegisterReadout.h"
#include "ToolPanel.h"

#include <map>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dalto {

class frmRegisters final : public ToolPanel {
    Q_OBJECT
public:
    explicit frmRegisters(Application& app);

    void Form_Load() override;

    void cmdGetIEEE_Click(int index);
    void cmdGetReg_Click(int index);
    void cmdSetIEEE_Click(int index);
    // Lights the bits of reg that are set in value; the other bits go back to
    // the button-face colour.
    void UpdBits(StatusRegister reg, int32_t value);

    QGroupBox* fraCmds;
    ControlArray<QPushButton> cmdGetReg;
    ControlArray<QPushButton> cmdGetIEEE;
    ControlArray<QPushButton> cmdSetIEEE;
    ControlArray<QLabel> lblOPER;
    ControlArray<QLabel> lblQUES;
    ControlArray<QLabel> lblESE;
    ControlArray<QLabel> lblESR;
    ControlArray<QLabel> lblSRE;
    ControlArray<QLabel> lblSTB;
    // 0 the entry box, 1 decimal, 2 hexadecimal, 3 binary results.
    ControlArray<QLineEdit> txtValue;
    ControlArray<QRadioButton> optFormat;

    ControlArray<QLabel>& bitLabels(StatusRegister reg);

private:
    QWidget* buildRegisterColumns();
    QWidget* buildResults();
    QWidget* buildEntry();
    QPushButton* addButton(ControlArray<QPushButton>& array, const char* arrayName, int index,
                           const QString& caption);
    void showValue(StatusRegister reg, int32_t value);
};

} // namespace dalto
