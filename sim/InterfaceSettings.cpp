#include "sim/InterfaceSettings.h"

#include "sim/EventRegisters.h"

#include <QRegularExpression>
#include <QStringList>

namespace dalto::sim {

namespace {
constexpr int HostNameMaximum = 32;
}

InterfaceSettings::InterfaceSettings(QString address, int port, int serialAddress)
    : port_(port)
    , address_(std::move(address))
    , serialAddress_(serialAddress)
{
}

bool InterfaceSettings::isDottedQuad(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || part.isEmpty() || part.size() > 3 || value < 0 || value > 255)
            return false;
    }
    return true;
}

bool InterfaceSettings::isMacAddress(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]{2}([:-][0-9A-Fa-f]{2}){5}$"));
    return form.match(text).hasMatch();
}

int InterfaceSettings::setHostName(const QString& name)
{
    if (name.isEmpty() || name.size() > HostNameMaximum || name.contains(u' '))
        return scpi_error::IllegalParameterValue;
    hostName_ = name;
    return scpi_error::None;
}

int InterfaceSettings::setPort(int port)
{
    if (port < 1 || port > PortMaximum)
        return scpi_error::DataOutOfRange;
    port_ = port;
    return scpi_error::None;
}

int InterfaceSettings::setAddress(const QString& address)
{
    if (!isDottedQuad(address))
        return scpi_error::IllegalParameterValue;
    address_ = address;
    return scpi_error::None;
}

int InterfaceSettings::setSubnetMask(const QString& mask)
{
    if (!isDottedQuad(mask))
        return scpi_error::IllegalParameterValue;
    subnetMask_ = mask;
    return scpi_error::None;
}

int InterfaceSettings::setGateway(const QString& gateway)
{
    if (!isDottedQuad(gateway))
        return scpi_error::IllegalParameterValue;
    gateway_ = gateway;
    return scpi_error::None;
}

QString InterfaceSettings::moduleVersion() const
{
    return QStringLiteral("NET %1 Hardware Rev. %2").arg(moduleFirmware_, hardwareRevision_);
}

int InterfaceSettings::setGpibAddress(int address)
{
    if (address < 1 || address > GpibAddressMaximum)
        return scpi_error::DataOutOfRange;
    gpibAddress_ = address;
    return scpi_error::None;
}

int InterfaceSettings::setSerialAddress(int address)
{
    if (address < 1 || address > SerialAddressMaximum)
        return scpi_error::DataOutOfRange;
    serialAddress_ = address;
    return scpi_error::None;
}

} // namespace dalto::sim
