#include "SetupBusChoice.h"

#include "core/BusCode.h"

namespace dalto {

namespace {
constexpr qsizetype ShortestName = 5;
// A port of three or more digits is a network port, not a serial port number.
constexpr qsizetype NetworkPortDigits = 3;
} // namespace

void SetupBusChoice::changeBus(int16_t newBus)
{
    if (newBus == bus_)
        return;
    if (bus_ == bus::Tcp && !IsNumericText(fields_.address)) {
        networkAddress_ = fields_.address;
        fields_.address = numericAddress_.isEmpty() ? QStringLiteral("1") : numericAddress_;
    } else if (newBus == bus::Tcp && (fields_.address.isEmpty() || IsNumericText(fields_.address))) {
        numericAddress_ = fields_.address;
        fields_.address = networkAddress_;
    }
    if (newBus == bus::Rs232 && IsNumericText(fields_.port) && fields_.port.size() >= NetworkPortDigits)
        fields_.port = QStringLiteral("1");
    bus_ = newBus;
}

CommDisplay CommDisplayFor(int16_t bus)
{
    CommDisplay display;
    switch (bus) {
    case bus::Gpib:
        display.portShown = false;
        break;
    case bus::Rs232:
        display.addressShown = false;
        display.portLabel = QStringLiteral("Comm Port");
        break;
    case bus::Tcp:
        break;
    case bus::Rs485Select:
    case bus::Rs485Packet:
        display.portLabel = QStringLiteral("Comm Port");
        display.addressLabel = QStringLiteral("RS485 Address");
        break;
    default:
        display = {false, false, false};
        break;
    }
    return display;
}

std::optional<QString> ValidateSetupNames(const QString& startupPanel, const QString& systemType)
{
    if (startupPanel.size() < ShortestName)
        return QStringLiteral("Check the Start-Up Panel for Validity");
    if (systemType.size() < ShortestName)
        return QStringLiteral("Check the System Type for Validity");
    return std::nullopt;
}

} // namespace dalto
