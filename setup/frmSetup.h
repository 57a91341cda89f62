#pragma once
// "Configuration Setup": the start-up panel, the supply's system type and the
// bus with its address and port; Limits leads to the bench's ceilings. OK checks the choices, writes them to the
// settings file, reads the configuration back and reopens the link on the
// chosen bus; Cancel changes nothing.

#include "SetupBusChoice.h"
#include "ShowModal.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace dalto {

class DeviceLink;

class frmSetup : public QDialog {
    Q_OBJECT
public:
    frmSetup(DeviceLink& link, ShowModal showModal, QWidget* parent = nullptr);

    // Fills the lists from the configuration and shows the current settings.
    void Form_Load();
    // Whether OK saved the settings.
    bool saved() const { return saved_; }

    QGroupBox* Frame3;
    QComboBox* cmbApp;
    QLabel* Label3;
    QGroupBox* Frame4;
    QComboBox* cmbPanel;
    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* lblComm;
    QComboBox* cmbComm;
    QLabel* lblAddress;
    QLabel* lblAddressDisplay;
    QLabel* lblPort;
    QLabel* lblPortDisplay;
    QPushButton* cmdConfigure;
    QPushButton* cmdLimits;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void cmbComm_Click();
    void cmdConfigure_Click();
    void cmdLimits_Click();
    void cmdOK_Click();
    void refreshCommDisplay();

    DeviceLink& link_;
    ShowModal showModal_;
    QGridLayout* commGrid_;
    std::optional<SetupBusChoice> choice_;
    bool saved_ = false;
};

// The Setup menu item: the dialog, modal, over parent.
void RunSetupDialog(DeviceLink& link, QWidget* parent);

} // namespace dalto
