#pragma once
// The Calibration panel: the calibration command rows addressed by their position
// in ScpiCommands, the five pot rows with press-and-hold Up / Down stepping, and
// two access levels opened by the pass code sent on the Password row.

#include "CalibrationRows.h"
#include "ControlArray.h"
#include "ToolPanel.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto {

class frmCalibration final : public ToolPanel {
    Q_OBJECT
public:
    explicit frmCalibration(Application& app);

    void Form_Load() override;

    void cmdGetSCPI_Click(int index);
    void cmdSetSCPI_Click(int index);
    void cmdGetPot_Click(int index);
    void cmdSetPot_Click(int index);
    void cmdUp_MouseDown();
    void cmdDn_MouseDown();
    // Both keys: ends the stepping after the current pass.
    void cmdArrow_MouseUp();

    void SetPotAccess(bool enable);
    void SetFactoryAccess(bool show);

    QGroupBox* fraCmds;
    ControlArray<QPushButton> cmdGetSCPI;
    ControlArray<QPushButton> cmdSetSCPI;
    ControlArray<QLineEdit> txtSCPI;
    ControlArray<QLabel> lblSCPI;
    ControlArray<QPushButton> cmdGetPot;
    ControlArray<QPushButton> cmdSetPot;
    ControlArray<QLineEdit> txtPot;
    QPushButton* cmdUp;
    QPushButton* cmdDn;

    // -1: no pot read since the panel opened.
    int selectedPot() const { return selectedPot_; }

private:
    void addRow(QGridLayout& grid, int line, const CalibrationRow& row);
    QGroupBox* buildPotFrame();
    void potHeld(bool up);
    void setBoxUnlocked(QLineEdit* box, bool unlocked);
    void setRowVisible(int index, bool visible);
    void selectAll(QLineEdit* box);

    int selectedPot_ = -1;
};

} // namespace dalto
