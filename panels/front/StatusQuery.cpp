#include "StatusQuery.h"

#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

namespace dalto::front {

namespace {
constexpr int16_t QuietTimeout = 2;
constexpr int16_t RetryTimeout = 1;
} // namespace

QString QueryStatus(DeviceLink& link, bool echo)
{
    QString reply;
    link.WriteDevice(status::Live, echo);
    if (link.ReadDeviceQuiet(reply, QuietTimeout, echo) < 0) {
        reply.clear();
        link.WriteDevice(status::Live, echo);
        link.ReadDevice(reply, RetryTimeout, echo);
    }
    return reply;
}

} // namespace dalto::front
