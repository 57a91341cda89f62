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
    while (context_.clock.now() < start + ConnectWaitSeconds && !socket_.isConnected())
        context_.clock.pump(ReceiveSliceMs);
}

void TcpTransport::writeBytes(const QByteArray& bytes)
{
    socket_.write(bytes);
}

void TcpTransport::receive(QByteArray& reply, ReceiveStyle)
{
    // Bytes already buffered need no wait, only the pending events.
    context_.clock.pump(socket_.bytesAvailable() > 0 ? 0 : ReceiveSliceMs);
    if (socket_.bytesAvailable() > 0)
        reply += socket_.readAll();
}

void TcpTransport::discardInput()
{
    if (socket_.bytesAvailable() > 0)
        socket_.readAll();
}

} // namespace dalto
