#include "Rs485PacketTransport.h"

#include "HexAddress.h"
#include "SerialLine.h"
#include "core/AppContext.h"

namespace dalto {

namespace {
constexpr qsizetype FrameChars = 32;
constexpr int BeforeCommandMs = 20;
constexpr int BetweenFramesMs = 50;
} // namespace

void Rs485PacketTransport::writeLine(const QByteArray& line)
{
    context_.clock.delay(BeforeCommandMs);
    const QByteArray head = '{' + twoDigitHex(context_.state.DeviceAddress).toLatin1();
    for (qsizetype at = 0; at < line.size(); at += FrameChars) {
        if (at > 0)
            context_.clock.delay(BetweenFramesMs);
        line_.write(head + line.mid(at, FrameChars) + '\r');
    }
}

} // namespace dalto
