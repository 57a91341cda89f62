#include "GpibTransport.h"

#include "core/AppContext.h"
#include "core/LegacyNumbers.h"
#include "link/gpib/GpibLayer.h"

namespace dalto {

namespace {
constexpr qsizetype ReadBufferBytes = 100;
}

GpibTransport::GpibTransport(AppContext& context, GpibLayer& gpib)
    : context_(context), gpib_(gpib)
{
}

void GpibTransport::open()
{
    gpib_.GpibOpen();
}

QString GpibTransport::promptAddress() const
{
    return legacy::format(legacy::leadingNumber(context_.state.DeviceAddress), QString());
}

void GpibTransport::writeLine(const QByteArray& line)
{
    gpib_.GpibWrite(promptAddress(), line);
}

void GpibTransport::writeBytes(const QByteArray& bytes)
{
    gpib_.GpibWriteBytes(promptAddress(), bytes);
}

void GpibTransport::receive(QByteArray& reply, ReceiveStyle style)
{
    // The layer fills the buffer from its start; the NUL padding left over marks
    // what did not arrive.
    QByteArray buffer(ReadBufferBytes, '\0');
    if (style.mayPrompt)
        gpib_.GpibRead(promptAddress(), buffer);
    else
        gpib_.GpibReadQuiet(buffer);
    buffer.removeIf([](char c) { return c == '\0'; });
    reply += buffer;
}

void GpibTransport::discardInput()
{
    QByteArray empty;
    gpib_.GpibReadQuiet(empty);
}

} // namespace dalto
