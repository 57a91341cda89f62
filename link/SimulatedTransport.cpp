#include "SimulatedTransport.h"

#include "SerialLine.h"
#include "StreamSocket.h"

namespace dalto {

SimulatedTransport::SimulatedTransport(SerialLine& line, StreamSocket& socket)
    : line_(line), socket_(socket)
{
}

void SimulatedTransport::open()
{
    if (line_.isOpen())
        line_.close();
    if (socket_.isActive())
        socket_.close();
}

void SimulatedTransport::receive(QByteArray& reply, ReceiveStyle)
{
    reply += "9.999\r\n";
}

} // namespace dalto
