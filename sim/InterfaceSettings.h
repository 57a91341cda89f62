#pragma once
// Settings of the supply's interface modules: the network module (address
// method, host name, port, address, mask, gateway, MAC, versions, serial
// number) and the GPIB and RS-485 bus addresses.

#include <QString>

namespace dalto::sim {

class InterfaceSettings {
public:
    static constexpr int GpibAddressMaximum = 30;
    static constexpr int SerialAddressMaximum = 255;
    static constexpr int PortMaximum = 65534;

    InterfaceSettings(QString address, int port, int serialAddress);

    static bool isDottedQuad(const QString& text);

    bool dhcp() const { return dhcp_; }
    void setDhcp(bool on) { dhcp_ = on; }
    const QString& hostName() const { return hostName_; }
    int setHostName(const QString& name);
    int port() const { return port_; }
    int setPort(int port);
    const QString& address() const { return address_; }
    int setAddress(const QString& address);
    const QString& subnetMask() const { return subnetMask_; }
    int setSubnetMask(const QString& mask);
    const QString& gateway() const { return gateway_; }
    int setGateway(const QString& gateway);
    const QString& macAddress() const { return mac_; }
    // Six two-digit hexadecimal groups joined by ':' or '-'.
    static bool isMacAddress(const QString& text);
    void setMacAddress(const QString& mac) { mac_ = mac; }

    // One text for the module's firmware and its hardware revision, so that a
    // reader looking for "Hardware Rev." finds the revision after it.
    QString moduleVersion() const;
    void setHardwareRevision(const QString& revision) { hardwareRevision_ = revision; }
    const QString& serialNumber() const { return serialNumber_; }
    void setSerialNumber(const QString& serial) { serialNumber_ = serial; }

    int gpibAddress() const { return gpibAddress_; }
    int setGpibAddress(int address);
    int serialAddress() const { return serialAddress_; }
    int setSerialAddress(int address);
    QString gpibVersion() const { return QStringLiteral("GPIB 1.3"); }
    QString serialVersion() const { return QStringLiteral("RS485 1.1"); }

private:
    bool dhcp_ = false;
    QString hostName_ = QStringLiteral("DALTO-SIM");
    int port_;
    QString address_;
    QString subnetMask_ = QStringLiteral("255.0.0.0");
    QString gateway_ = QStringLiteral("127.0.0.1");
    QString mac_ = QStringLiteral("00:1E:C0:5D:A1:70");
    QString moduleFirmware_ = QStringLiteral("2.10");
    QString hardwareRevision_ = QStringLiteral("C");
    QString serialNumber_ = QStringLiteral("SN-0001");
    int gpibAddress_ = 5;
    int serialAddress_;
};

} // namespace dalto::sim
