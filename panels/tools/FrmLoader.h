#pragma once
// The Firmware Panel: picks an Intel HEX file and reprograms the supply's
// controller through its boot loader on RS-232, showing the address being written,
// the progress and a coloured status line. The transfer itself is the firmware
// library's loader; this window renders what it reports and forwards Start/Stop.

#include "ToolPanel.h"
#include "firmware/FirmwareLoader.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace dalto {

class FrmLoader final : public ToolPanel, private firmware::LoaderHost {
    Q_OBJECT
public:
    explicit FrmLoader(Application& app);

    void Form_Load() override;
    // Unlike the other panels it tells the device nothing on closing.
    void Form_Unload() override {}

    void cmdSelect_Click();
    void cmdStart_Click();
    void cmdStop_Click();
    void Set_Status(const QString& text, const QColor& colour);

    QGroupBox* fraFile;
    QLineEdit* txtFirmware;
    QPushButton* cmdSelect;
    QGroupBox* fraProgram;
    QPushButton* cmdStart;
    QPushButton* cmdStop;
    QLabel* lblAdr;
    QLineEdit* txtAdr;
    QGroupBox* fraStatus;
    QLineEdit* txtStatus;
    QProgressBar* pgbStatus;

private:
    void showStatus(firmware::LoaderStatus status) override;
    void showAddress(const QString& address) override;
    void showProgressRange(int maximum) override;
    void showProgress(int value) override;
    void tell(const firmware::LoaderMessage& message) override;
    void reportError(const firmware::LoaderError& error) override;
    void transferEnded() override;
    // The menus that would switch or re-open the link are closed while a transfer runs.
    void setMenusUsable(bool usable);

    firmware::FirmwareLoader loader_;
};

} // namespace dalto
