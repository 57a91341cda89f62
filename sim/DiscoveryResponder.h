#pragma once
// The network module's answer to the program's device search: a datagram
// holding the single character "D" is answered, to its sender, with the
// module's network name, MAC address and TCP port on three CR LF lines.
// Anything else is ignored.

#include "sim/InterfaceSettings.h"
#include "sim/TrafficLog.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

namespace dalto::sim {

class DiscoveryResponder : public QObject {
    Q_OBJECT
public:
    DiscoveryResponder(const InterfaceSettings& interfaces, TrafficLog& log, QObject* parent = nullptr);

    bool bind(const QHostAddress& host, quint16 port, QString* error);
    quint16 port() const { return socket_.localPort(); }
    // "discovery 127.0.0.1:30303"
    QString description() const;

    static QByteArray reply(const InterfaceSettings& interfaces);

private:
    void readRequests();

    const InterfaceSettings& interfaces_;
    TrafficLog& log_;
    QUdpSocket socket_;
};

} // namespace dalto::sim
