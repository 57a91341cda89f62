#include "DiscoverySettings.h"

#include "core/Configuration.h"
#include "core/ProfileFile.h"

namespace dalto {

namespace {
const QString Section = QStringLiteral("Discovery");

quint16 portSetting(const ProfileFile& file, const QString& key, quint16 standard, bool zeroAllowed)
{
    bool ok = false;
    const uint value = file.readString(Section, key).toUInt(&ok);
    if (!ok || value > 65535 || (value == 0 && !zeroAllowed))
        return standard;
    return static_cast<quint16>(value);
}
} // namespace

DiscoverySettings ReadDiscoverySettings(const QString& iniPath)
{
    const ProfileFile file(iniPath);
    DiscoverySettings settings;
    const QString target = file.readString(Section, QStringLiteral("Target"));
    if (IsValidIpAddress(target))
        settings.target = QHostAddress(target);
    settings.remotePort = portSetting(file, QStringLiteral("RemotePort"), settings.remotePort, false);
    settings.localPort = portSetting(file, QStringLiteral("LocalPort"), settings.localPort, true);
    return settings;
}

} // namespace dalto
