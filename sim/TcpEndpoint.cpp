#include "sim/TcpEndpoint.h"

namespace dalto::sim {

TcpEndpoint::TcpEndpoint(CommandProcessor& processor, TrafficLog& log, QObject* parent)
    : QObject(parent)
    , responder_(processor, log, QStringLiteral("tcp"))
    , faults_(log, responder_.channel(),
              {[this](const QByteArray& bytes) {
                   if (client_)
                       client_->write(bytes);
               },
               [this] { return client_ ? client_->bytesToWrite() : 0; },
               [this](int) {
                   if (client_)
                       client_->abort();
               }})
{
    connect(&server_, &QTcpServer::newConnection, this, &TcpEndpoint::acceptClients);
}

TcpEndpoint::~TcpEndpoint()
{
    // The server owns the client socket and is torn down after the other
    // members; a socket still connected then says "disconnected" from its
    // destructor. Cut it off first so that nothing calls back into a half
    // destroyed endpoint.
    server_.disconnect(this);
    if (client_) {
        client_->disconnect(this);
        delete client_.data();
    }
}

bool TcpEndpoint::listen(const QHostAddress& host, quint16 port, QString* error)
{
    if (!server_.listen(host, port)) {
        *error = server_.errorString();
        return false;
    }
    return true;
}

QString TcpEndpoint::description() const
{
    return QStringLiteral("tcp %1:%2").arg(server_.serverAddress().toString()).arg(server_.serverPort());
}

void TcpEndpoint::acceptClients()
{
    // While a client is served, later ones wait in the server's queue and are
    // taken when it leaves.
    if (client_ || !server_.hasPendingConnections())
        return;
    QTcpSocket* socket = server_.nextPendingConnection();
    responder_.log().note(responder_.channel(), QStringLiteral("client connected %1:%2")
                                                    .arg(socket->peerAddress().toString())
                                                    .arg(socket->peerPort()));
    client_ = socket;
    splitter_.reset();
    connect(socket, &QTcpSocket::readyRead, this, &TcpEndpoint::readClient);
    connect(socket, &QTcpSocket::disconnected, this, &TcpEndpoint::clientGone);
    readClient();
}

void TcpEndpoint::readClient()
{
    if (!client_)
        return;
    const LineSplitter::Result input = splitter_.feed(client_->readAll());
    for (int i = 0; i < input.overruns; ++i)
        responder_.overrun();
    for (const QByteArray& line : input.lines) {
        if (!client_)
            return;
        const LineResponder::Outcome outcome = responder_.respond(line);
        if (!outcome.bytes.isEmpty())
            faults_.deliver(outcome.bytes);
        if (!client_)
            return;
        if (outcome.restartNetwork) {
            responder_.log().note(responder_.channel(), QStringLiteral("network module restart"));
            client_->disconnectFromHost();
            return;
        }
        if (client_->bytesToWrite() > MaxPendingOutput) {
            responder_.log().note(responder_.channel(), QStringLiteral("client does not read its replies, cut off"));
            client_->abort();
            return;
        }
    }
}

void TcpEndpoint::clientGone()
{
    if (!client_)
        return;
    responder_.log().note(responder_.channel(), QStringLiteral("client disconnected"));
    faults_.clientGone();
    client_->deleteLater();
    client_.clear();
    splitter_.reset();
    acceptClients();
}

} // namespace dalto::sim
