#include "QtStreamSocket.h"

#include "LinkFault.h"
#include "Transport.h"

#include <limits>

namespace dalto {

namespace {
const QString FaultSource = QStringLiteral("tcpComm");

QString causeOf(QAbstractSocket::SocketError error, const QString& host, int32_t port)
{
    const QString endpoint = QStringLiteral("%1:%2").arg(host).arg(port);
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("connection refused by ") + endpoint;
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("unknown host ") + host;
    case QAbstractSocket::NetworkError:
        return QStringLiteral("no route to ") + host;
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("no answer from ") + endpoint;
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("the supply at %1 closed the connection").arg(endpoint);
    default:
        return {};
    }
}
} // namespace

QtStreamSocket::QtStreamSocket()
{
    // Left unlimited, the socket would keep taking in what a flooding device sends
    // while nobody reads, for instance once the link has fallen back to Simulated mode.
    socket_.setReadBufferSize(MaxReplyBytes);
    // Every command is short and awaited, so it must leave at once. With Nagle's
    // rule a command written while the keep-alive LF, which gets no answer, is
    // still unacknowledged would wait for the peer's delayed acknowledgement.
    QObject::connect(&socket_, &QTcpSocket::connected, &socket_,
                     [this] { socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1); });
    QObject::connect(&socket_, &QAbstractSocket::errorOccurred, &socket_,
                     [this](QAbstractSocket::SocketError error) { error_ = error; });
}

void QtStreamSocket::connectToHost(const QString& host, int32_t port)
{
    if (port < 0 || port > std::numeric_limits<quint16>::max())
        throw LinkFault{QStringLiteral("Invalid port number"), FaultSource, int(QAbstractSocket::UnknownSocketError)};
    host_ = host;
    port_ = port;
    error_.reset();
    socket_.connectToHost(host, quint16(port));
}

bool QtStreamSocket::isConnected() const
{
    return socket_.state() == QAbstractSocket::ConnectedState;
}

bool QtStreamSocket::isActive() const
{
    return socket_.state() != QAbstractSocket::UnconnectedState;
}

void QtStreamSocket::close()
{
    socket_.abort();
    error_.reset();
}

void QtStreamSocket::write(const QByteArray& bytes)
{
    if (socket_.write(bytes) != bytes.size())
        throw LinkFault{socket_.errorString(), FaultSource, int(socket_.error()),
                        causeOf(socket_.error(), host_, port_)};
    // Out on the wire now rather than at the next turn of the event loop.
    socket_.flush();
}

qint64 QtStreamSocket::bytesAvailable() const
{
    return socket_.bytesAvailable();
}

QByteArray QtStreamSocket::readAll()
{
    return socket_.readAll();
}

void QtStreamSocket::waitForReadyRead(int ms)
{
    if (isConnected())
        socket_.waitForReadyRead(ms);
}

void QtStreamSocket::discardInput()
{
    // Qt fetches from the system only while events run or a wait is in progress;
    // a wait of no time fetches everything that has arrived since.
    waitForReadyRead(0);
    socket_.readAll();
}

std::optional<LinkFault> QtStreamSocket::failure() const
{
    if (!error_ || socket_.state() != QAbstractSocket::UnconnectedState)
        return std::nullopt;
    return LinkFault{socket_.errorString(), FaultSource, int(*error_), causeOf(*error_, host_, port_)};
}

} // namespace dalto
