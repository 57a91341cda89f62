#include "Rs485SelectTransport.h"

#include "HexAddress.h"
#include "SerialLine.h"
#include "core/AppContext.h"

namespace dalto {

namespace {
constexpr int SelectBaud = 9600;
constexpr int SettleMs = 10;
constexpr char DC3 = 19;
constexpr char SOH = 1;
} // namespace

void Rs485SelectTransport::open()
{
    openAt(SelectBaud);
}

void Rs485SelectTransport::addressDevice()
{
    line_.write(DC3 + twoDigitHex(context_.state.DeviceAddress).toLatin1() + SOH);
    context_.clock.delay(SettleMs);
    line_.close();
    openAt(StandardBaud);
    line_.write(QByteArray(1, '\n'));
    context_.clock.delay(SettleMs);
}

void Rs485SelectTransport::writeLine(const QByteArray& line)
{
    context_.clock.delay(SettleMs);
    line_.write(line);
}

} // namespace dalto
