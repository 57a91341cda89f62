#pragma once
// "Change Device's TCP/IP Settings": reads the connected supply's network
// settings and, on OK, writes the new ones and restarts its network module.
// The new address and port are handed back so the next connection finds the
// device at its new place.

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dalto {

class DeviceLink;

class frmChangeTCPIP : public QDialog {
    Q_OBJECT
public:
    explicit frmChangeTCPIP(DeviceLink& link, QWidget* parent = nullptr);

    // Asks the device for its current settings.
    void Form_Load();

    bool result() const { return result_; }
    // Static: the new IP address; DHCP: the device's network name, by which a
    // device with a changing address is reached. "" unless result() is true.
    QString IPAddress() const;
    int32_t Port() const;

    QLabel* lblIdentification;
    QLabel* lblModVersion;
    QLabel* lblMacAddress;
    QLabel* lblCurrentName;
    QLabel* lblCurrentPort;
    QLabel* lblCurrentIP;
    QLabel* lblCurrentSubnet;
    QLabel* lblCurrentGateway;
    QRadioButton* optDHCP;
    QRadioButton* optStatic;
    QLineEdit* txtName;
    QLineEdit* txtPort;
    QLineEdit* txtIPAddress;
    QLineEdit* txtSubnetMask;
    QLineEdit* txtGateway;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void optDHCP_Click();
    void optStatic_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // The first entry that cannot be sent, after telling the user; null when all can.
    QLineEdit* invalidEntry();

    DeviceLink& link_;
    bool result_ = false;
};

} // namespace dalto
