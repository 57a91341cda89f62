#pragma once
// The command line of dalto-sim.

#include "sim/BootOptions.h"
#include "sim/Device.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <optional>

namespace dalto::sim {

struct SimOptions {
    static constexpr quint16 DefaultTcpPort = 5025;
    static constexpr int DefaultBaudRate = 19200;

    std::optional<QHostAddress> tcpHost;
    quint16 tcpPort = 0;
    QString serialDevice;
    int baudRate = DefaultBaudRate;
    bool rs485 = false;
    int lineRate = 0; // bits per second the serial line is paced to; 0: as fast as it goes
    BootOptions boot;
    QString logFile;
    // The network search responder: answers on this UDP address when set.
    std::optional<QHostAddress> discoveryHost;
    quint16 discoveryPort = 0;
    QString networkName; // empty: the module's own name
    QString macAddress;  // empty: the module's own address
    DeviceConfig device;
};

struct ParsedOptions {
    std::optional<SimOptions> options; // empty: exit with message
    QString message;                   // help text or the reason for the failure
    bool failed = false;
};

// arguments: including the program name first.
ParsedOptions parseSimOptions(const QStringList& arguments);

} // namespace dalto::sim
