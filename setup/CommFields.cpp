#include "CommFields.h"

#include "core/BusCode.h"
#include "core/Configuration.h"
#include "core/LegacyNumbers.h"

namespace dalto {

namespace {
const QString AddressText = QStringLiteral("Check Address for Validity");
const QString PortText = QStringLiteral("Check Port for Validity");
const QString AddressAndPortText = QStringLiteral("Check the Address and Port for Validity");
const QString BusText = QStringLiteral("Check the Communication Bus Selection");

bool isNetworkAddress(const QString& text)
{
    return IsValidHostName(text, true) || IsValidIpAddress(text);
}
} // namespace

std::optional<QString> ValidateCommFields(int16_t bus, CommFields& fields)
{
    switch (bus) {
    case bus::Gpib:
        fields.port.clear();
        return fields.address.isEmpty() ? std::optional(AddressText) : std::nullopt;
    case bus::Rs232:
        fields.address.clear();
        return PortNumber(fields.port) ? std::nullopt : std::optional(PortText);
    case bus::Tcp:
        return PortNumber(fields.port) && isNetworkAddress(fields.address) ? std::nullopt
                                                                           : std::optional(AddressAndPortText);
    case bus::Rs485Select:
    case bus::Rs485Packet:
        return PortNumber(fields.port) && !fields.address.isEmpty() ? std::nullopt
                                                                    : std::optional(AddressAndPortText);
    case bus::Simulated:
        fields = {};
        return std::nullopt;
    default:
        return BusText;
    }
}

QString ConnectionDescription(int16_t bus, const QString& address, const QString& port)
{
    if (bus == bus::Gpib)
        return QStringLiteral("GPIB Address ") + address;
    if (bus == bus::Tcp)
        return QStringLiteral("TCP/IP Address ") + address + QStringLiteral(" and Port ") + port;
    if (bus::isRs485(bus))
        return QStringLiteral("RS486 Port ") + port + QStringLiteral(" and address ") + address;
    return {};
}

std::optional<int32_t> PortNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? legacy::toLong(value) : std::nullopt;
}

bool IsNumericText(const QString& text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace dalto
