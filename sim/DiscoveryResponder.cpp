#include "sim/DiscoveryResponder.h"

#include <QNetworkDatagram>

namespace dalto::sim {

namespace {
const QString Channel = QStringLiteral("discovery");
// Requests are one byte; a larger datagram is read only this far.
constexpr qint64 RequestReadLimit = 16;
} // namespace

DiscoveryResponder::DiscoveryResponder(const InterfaceSettings& interfaces, TrafficLog& log, QObject* parent)
    : QObject(parent), interfaces_(interfaces), log_(log)
{
    connect(&socket_, &QUdpSocket::readyRead, this, &DiscoveryResponder::readRequests);
}

bool DiscoveryResponder::bind(const QHostAddress& host, quint16 port, QString* error)
{
    if (!socket_.bind(host, port, QAbstractSocket::DontShareAddress)) {
        *error = socket_.errorString();
        return false;
    }
    return true;
}

QString DiscoveryResponder::description() const
{
    return QStringLiteral("discovery %1:%2").arg(socket_.localAddress().toString()).arg(socket_.localPort());
}

QByteArray DiscoveryResponder::reply(const InterfaceSettings& interfaces)
{
    return interfaces.hostName().toLatin1() + "\r\n" + interfaces.macAddress().toLatin1() + "\r\n"
        + QByteArray::number(interfaces.port()) + "\r\n";
}

void DiscoveryResponder::readRequests()
{
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram request = socket_.receiveDatagram(RequestReadLimit);
        log_.received(Channel, request.data());
        if (request.data() != "D" || request.senderAddress().isNull())
            continue;
        const QByteArray answer = reply(interfaces_);
        socket_.writeDatagram(answer, request.senderAddress(), static_cast<quint16>(request.senderPort()));
        log_.sent(Channel, answer);
    }
}

} // namespace dalto::sim
