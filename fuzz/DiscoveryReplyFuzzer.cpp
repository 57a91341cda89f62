// The answer to the network search, as a datagram from anyone on the network.
// Input: the datagram.

#include "FuzzInput.h"
#include "setup/DiscoveryReply.h"

using namespace dalto;
using namespace dalto::fuzz;

namespace {

bool printable(const QString& field)
{
    return field.size() <= 64
        && std::all_of(field.begin(), field.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto device = ParseDiscoveryReply(datagram);
    if (!device)
        return 0;
    FUZZ_CHECK(datagram.size() <= MaxDiscoveryReplyBytes, text(datagram));
    FUZZ_CHECK(printable(device->name) && printable(device->macAddress) && printable(device->port), text(datagram));
    const uint port = device->port.toUInt();
    FUZZ_CHECK(port >= 1 && port <= 65535, device->port);

    // The fields taken, sent again as a reply of their own, give the same device.
    const QByteArray again = (device->name + QStringLiteral("\r\n") + device->macAddress + QStringLiteral("\r\n")
                              + device->port + QStringLiteral("\r\n"))
                                 .toLatin1();
    const auto reread = ParseDiscoveryReply(again);
    FUZZ_CHECK(reread && reread->name == device->name && reread->macAddress == device->macAddress
                   && reread->port == device->port,
               text(datagram));
    return 0;
}
