#pragma once
// Where the network search sends its request and where it listens for replies:
// the [Discovery] section of the settings file (Target, RemotePort, LocalPort).
// Real use broadcasts on port 30303; a test or demo points it at loopback.

#include <QHostAddress>
#include <QString>

namespace dalto {

struct DiscoverySettings {
    static constexpr quint16 StandardPort = 30303;

    QHostAddress target{QHostAddress::Broadcast};
    quint16 remotePort = StandardPort;
    // 0 lets the system choose a free port.
    quint16 localPort = StandardPort;
};

// A missing or unreadable value keeps its standard setting. The target must be
// an IPv4 address written in dotted form.
DiscoverySettings ReadDiscoverySettings(const QString& iniPath);

} // namespace dalto
