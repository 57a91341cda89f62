#include "SerialTransport.h"

#include "SerialLine.h"
#include "core/AppContext.h"

namespace dalto {

SerialTransport::SerialTransport(AppContext& context, SerialLine& line)
    : context_(context), line_(line)
{
}

void SerialTransport::open()
{
    openAt(StandardBaud);
}

void SerialTransport::openAt(int baud)
{
    context_.state.LinkControl = LinkControlKind::Serial;
    line_.open(context_.state.DevicePort, baud);
    context_.clock.pump();
}

void SerialTransport::writeBytes(const QByteArray& bytes)
{
    line_.write(bytes);
}

void SerialTransport::receive(QByteArray& reply, ReceiveStyle style)
{
    if (line_.bytesAvailable() == 0) {
        if (style.letEventsRun)
            context_.clock.pump(ReceiveSliceMs);
        else
            line_.waitForReadyRead(ReceiveSliceMs);
    }
    reply += line_.readAll();
}

void SerialTransport::discardInput()
{
    line_.discardInput();
}

} // namespace dalto
