#include "GpibSearch.h"

#include "core/SharedState.h"
#include "link/LinkFault.h"
#include "link/gpib/GpibLayer.h"

namespace dalto {

namespace {
constexpr int SearchedAddresses = 30; // primary addresses 0 to 29
constexpr int HighestAddress = 30;
constexpr int ReplyBufferSize = 100;

// A driver that is missing or refuses a call costs that step only.
template <typename Step>
void skippingFaults(Step step)
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
    skippingFaults([&] {
        gpib.GpibOpen();
        gpib.GpibClear(state.Gpib.GpibDevice);
        listeners = gpib.GpibFindListeners(0, searchedAddresses(), SearchedAddresses);
    });

    const QString savedAddress = state.DeviceAddress;
    const bool savedProbing = state.Probing;
    state.Probing = true;
    std::vector<GpibListing> found;
    for (const uint16_t address : listeners) {
        if (address > HighestAddress)
            continue;
        skippingFaults([&] {
            state.DeviceAddress = QString::number(address);
            gpib.GpibOpen();
            gpib.GpibClear(state.Gpib.GpibDevice);
            gpib.GpibWrite(state.DeviceAddress, QByteArrayLiteral("*IDN?\n"));
            if (gpib.errorBitSet())
                return;
            QByteArray reply(ReplyBufferSize, ' ');
            gpib.GpibRead(state.DeviceAddress, reply);
            found.push_back({address, CleanIdentification(reply)});
        });
    }
    state.DeviceAddress = savedAddress;
    state.Probing = savedProbing;
    // Probing moved the device descriptor from one listener to the next; the
    // link's GPIB traffic must go to its own instrument again, not the last one probed.
    if (!listeners.empty())
        skippingFaults([&] { gpib.GpibOpen(); });
    return found;
}

} // namespace dalto
