// The "<>" status replies: "<>SCL", "<>ALL" (with "SYST:VERS?" and "SYST:ERR?") and
// "<>POT" as the link reads them into the shared state, and "<>STA" as the front
// panel decodes it. Input: the replies, NUL-separated, in that order, then the
// bytes of the stand-in the panel uses when "<>STA" is short.

#include "FuzzInput.h"
#include "ScriptedLink.h"
#include "panels/front/StatusReply.h"
#include "protocol/ReplyFields.h"
#include "protocol/StatusProtocol.h"

using namespace dalto;
using namespace dalto::fuzz;

namespace {

// A reply as the device ends it.
QByteArray line(const QByteArray& bytes)
{
    return bytes + "\r\n";
}

void readThroughLink(FuzzInput& input)
{
    ScriptedLink scripted;
    const QByteArray scale = input.next();
    const QByteArray all = input.next();
    for (const QByteArray& reply : {scale, all, input.next(), input.next(), input.next()})
        scripted.device.reply(line(reply));
    QueryDeviceInfo(scripted.link);
    ReadPots(scripted.link);

    // A one-line scale reply that decodes to two or more fields sets the ratings
    // from them.
    const auto fields = DecodeHexFields(text(scale));
    if (!scale.contains('\n') && !scale.contains('\r') && fields && fields->size() >= 2) {
        FUZZ_CHECK(scripted.context.state.Ratings[0] == float((*fields)[0] / 1000), text(scale));
        FUZZ_CHECK(scripted.context.state.Ratings[4] == float((*fields)[1] / 1000), text(scale));
    }
}

void readLiveStatus(FuzzInput& input)
{
    const QString reply = text(input.next());
    front::SimulatedSupply stand;
    stand.runState = int16_t(input.byte() % 4);
    stand.voltageKnob = float(input.byte());
    stand.currentKnob = float(input.byte());
    stand.simStatus = input.byte();
    stand.simAlarms = input.byte();
    const auto fields = DecodeHexFields(reply);
    const auto reading = front::ReadStatusReply(reply, stand);
    FUZZ_CHECK(fields.has_value() == reading.has_value(), reply);
    if (!fields)
        return;
    FUZZ_CHECK(qsizetype(fields->size()) == reply.count(QLatin1Char(',')) + 1, reply);
    if (fields->size() >= 4) {
        FUZZ_CHECK(reading->statusWord == (*fields)[2] && reading->faultWord == (*fields)[3], reply);
        FUZZ_CHECK(reading->field4 == (fields->size() > 4 ? (*fields)[4] : 0.0), reply);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    readThroughLink(input);
    readLiveStatus(input);
    return 0;
}
