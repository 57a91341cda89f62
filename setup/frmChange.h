#pragma once
// Changes the bus address stored in the supply itself (GPIB, RS-485). Opened
// with the link already talking to the device at its current address; on OK the
// change command is sent and the new address handed back.

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace dalto {

class DeviceLink;

class frmChange : public QDialog {
    Q_OBJECT
public:
    explicit frmChange(DeviceLink& link, QWidget* parent = nullptr);

    // Lays the dialog out for the bus and asks the device for its versions.
    void setBus(int16_t bus);
    void setAddress(const QString& address);
    bool result() const { return result_; }
    QString newAddress() const;

    QComboBox* cboAddress;
    QLabel* lblAddress;
    QLabel* lblAddressSetting;
    QLabel* lblIdentification;
    QLabel* lblModVersion;
    QLabel* lblModVersionText;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    DeviceLink& link_;
    int16_t bus_ = -1;
    bool result_ = false;
};

} // namespace dalto
