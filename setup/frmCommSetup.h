#pragma once
// Edits the connection parameters of one bus (GPIB address, serial port, TCP/IP
// address and port, RS-485 port and node), finds devices on the network or the
// GPIB bus, and tests a connection before opening the device's own address
// settings. It writes nothing: the setup dialog takes the result and saves it.
//
//     frmCommSetup comm(link, showModal);
//     comm.setBus(bus); comm.setAddress(a); comm.setPort(p);
//     showModal(comm);
//     if (comm.result()) { a = comm.address(); p = comm.port(); }

#include "ShowModal.h"

#include <QDialog>
#include <cstdint>

class QComboBox;
class QGridLayout;
class QSpacerItem;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dalto {

class DeviceLink;

class frmCommSetup : public QDialog {
    Q_OBJECT
public:
    frmCommSetup(DeviceLink& link, ShowModal showModal, QWidget* parent = nullptr);

    // Sets the caption and lays the controls out for the bus.
    void setBus(int16_t bus);
    void setAddress(const QString& address);
    void setPort(const QString& port);
    QString address() const { return address_; }
    QString port() const { return port_; }
    bool result() const { return result_; }

    QComboBox* cmbPort;
    QComboBox* cmbAddress;
    QLineEdit* txtAddress;
    QLabel* lblAddress;
    QLabel* lblPort;
    QLabel* lblPortPath;
    QLabel* lblPortsPresent;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdFind;
    QPushButton* cmdChange;

private:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdFind_Click();
    void cmdChange_Click();
    // Takes address and port from the controls; false after telling the user
    // what is wrong with them.
    bool validate();
    void showFields();
    void showPortMeaning();
    void findNetworkDevice();
    void findGpibDevice();
    void changeDeviceAddress();
    void changeNetworkSettings();

    DeviceLink& link_;
    ShowModal showModal_;
    QGridLayout* grid_;
    QVBoxLayout* layout_;
    QSpacerItem* titleRoom_;
    int16_t bus_ = -1;
    QString address_;
    QString port_;
    bool result_ = false;
};

} // namespace dalto
