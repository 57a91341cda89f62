#pragma once
// "Find Devices": sends the one-character search request over UDP and lists
// every power supply that answers with its name, address, port and MAC address.
// Replies are taken for as long as the dialog is open.
//
//     frmFindTCPIP find(context, ReadDiscoverySettings(iniPath));
//     if (find.Bind()) { show modally; if (find.result()) use find.IPAddress(), find.Port(); }

#include "DeviceFinder.h"
#include "DiscoverySettings.h"

#include <QUdpSocket>

namespace dalto {

struct AppContext;

class frmFindTCPIP : public DeviceFinder {
    Q_OBJECT
public:
    enum Column { NameColumn, IPAddressColumn, PortColumn, MACAddressColumn };
    // However many replies arrive, the list keeps no more rows than this.
    static constexpr int MaxRows = 256;

    frmFindTCPIP(AppContext& context, DiscoverySettings settings, QWidget* parent = nullptr);

    // Takes the local search port and sends the first request. False, after
    // telling the user, when the port cannot be had; then nothing is shown.
    bool Bind();
    // The chosen row's address and port; "" and 0 unless result() is true.
    QString IPAddress() const { return chosenCell(IPAddressColumn); }
    int32_t Port() const { return chosenCell(PortColumn).toInt(); }
    // The local port the replies come to (the configured one, or the one the
    // system chose for port 0).
    quint16 boundPort() const { return tcpComm.localPort(); }

    QUdpSocket tcpComm;

private:
    void search() override;
    void readReplies();

    AppContext& context_;
    DiscoverySettings settings_;
};

} // namespace dalto
