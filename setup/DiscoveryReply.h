#pragma once
// The reply a power supply sends to the network search: CR LF separated lines,
// its network name, its MAC address and its TCP port; further lines are ignored.
// Anyone on the network can send to the search's port, so a reply is taken only
// when it is small, printable text with a usable port.

#include <QByteArray>
#include <QString>
#include <optional>

namespace dalto {

struct DiscoveredDevice {
    QString name;
    QString macAddress;
    QString port;
};

// Largest datagram taken as a reply; longer ones are dropped unread.
inline constexpr qint64 MaxDiscoveryReplyBytes = 512;

std::optional<DiscoveredDevice> ParseDiscoveryReply(const QByteArray& datagram);

} // namespace dalto
