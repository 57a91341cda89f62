#include "TcpTransport.h"

#include "StreamSocket.h"
#include "core/AppContext.h"

namespace dalto {

namespace {
constexpr double ConnectWaitSeconds = 3.0;
}

TcpTransport::TcpTransport(AppContext& context, StreamSocket& socket)
    : context_(context), socket_(socket)
{
}

void TcpTransport::open()
{
    context_.state.LinkControl = LinkControlKind::Tcp;
    socket_.connectToHost(context_.state.DeviceAddress, context_.state.DevicePort);
    const double start = context_.clock.now();
    while (context_.clock.now() < start + ConnectWaitSeconds && !socket_.isConnected() && !socket_.failure())
        context_.clock.pump(ReceiveSliceMs);
}

void TcpTransport::writeBytes(const QByteArray& bytes)
{
    // A supply that is off or unreachable is no fault at the write: the bytes go
    // nowhere and the read that follows times out.
    if (socket_.isConnected())
        socket_.write(bytes);
}

void TcpTransport::receive(QByteArray& reply, ReceiveStyle)
{
    // Waiting on the socket itself wakes at the first byte of the reply; without a
    // connection there is nothing to wait on but the events.
    if (socket_.bytesAvailable() == 0) {
        if (socket_.isConnected())
            socket_.waitForReadyRead(ReceiveSliceMs);
        else
            context_.clock.pump(ReceiveSliceMs);
    }
    letEventsRun();
    if (socket_.bytesAvailable() > 0)
        reply += socket_.readAll();
}

void TcpTransport::letEventsRun()
{
    // Once per slice keeps the windows responsive during a long read without
    // costing a quick reply an event-loop turn per chunk.
    const double now = context_.clock.now();
    if (now < eventsDueAt_)
        return;
    context_.clock.pump();
    eventsDueAt_ = now + ReceiveSliceMs / 1000.0;
}

void TcpTransport::discardInput()
{
    socket_.discardInput();
}

std::optional<LinkFault> TcpTransport::failure() const
{
    return socket_.failure();
}

} // namespace dalto
