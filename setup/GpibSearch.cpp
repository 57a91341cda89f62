#include "GpibSearch.h"

#include "core/SharedState.h"
#include "link/LinkFault.h"
#include "link/gpib/GpibLayer.h"

namespace dalto {

namespace {
constexpr int SearchedAddresses = 30; // primary addresses 0 to 29
constexpr int HighestAddress = 30;
constexpr int ReplyBufferSize = 100;

// A step the driver cannot do (a missing library, an address it refuses) is
// skipped and the search goes on with the next one.
template <typename Step>
void skippingFault(Step step)
{
    try {
        step();
    } catch (const LinkFault&) {
    }
}

std::vector<uint16_t> searchedAddresses()
{
    std::vector<uint16_t> addresses;
    for (int address = 0; address < SearchedAddresses; ++address)
        addresses.push_back(static_cast<uint16_t>(address));
    return addresses;
}
} // namespace

QString CleanIdentification(const QByteArray& reply)
{
    QString text = QString::fromLatin1(reply);
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

std::vector<GpibListing> SearchGpibBus(GpibLayer& gpib, SharedState& state)
{
    std::vector<uint16_t> listeners;
    skippingFault([&] { gpib.GpibOpen(); });
    skippingFault([&] { gpib.GpibClear(state.Gpib.GpibDevice); });
    skippingFault([&] { listeners = gpib.GpibFindListeners(0, searchedAddresses(), SearchedAddresses); });

    const QString savedAddress = state.DeviceAddress;
    const bool savedProbing = state.Probing;
    state.Probing = true;
    std::vector<GpibListing> found;
    for (const uint16_t address : listeners) {
        if (address > HighestAddress)
            continue;
        state.DeviceAddress = QString::number(address);
        skippingFault([&] { gpib.GpibOpen(); });
        skippingFault([&] { gpib.GpibClear(state.Gpib.GpibDevice); });
        skippingFault([&] { gpib.GpibWrite(state.DeviceAddress, QByteArrayLiteral("*IDN?\n")); });
        if (gpib.errorBitSet())
            continue;
        QByteArray reply(ReplyBufferSize, ' ');
        skippingFault([&] { gpib.GpibRead(state.DeviceAddress, reply); });
        found.push_back({address, CleanIdentification(reply)});
    }
    state.DeviceAddress = savedAddress;
    state.Probing = savedProbing;
    // Probing moved the device descriptor from one listener to the next; the
    // link's GPIB traffic must go to its own instrument again, not the last one probed.
    if (!listeners.empty())
        skippingFault([&] { gpib.GpibOpen(); });
    return found;
}

} // namespace dalto
