#include "sim/Device.h"

namespace dalto::sim {

Device::Device(const DeviceConfig& config)
    : calibration(config.ratedVoltage, config.ratedCurrent, config.firmwareVersion, config.interfaceVersion)
    , supply(calibration, config.loadOhms)
    , interfaces(config.networkAddress, config.networkPort, config.serialAddress)
    , identity_(config.identity)
{
    if (identity_.isEmpty()) {
        identity_ = QStringLiteral("DALTO,%1 %2-%3,SIM-0001,%4")
                        .arg(config.model, QString::number(config.ratedVoltage),
                             QString::number(config.ratedCurrent), config.firmwareVersion);
    }
    uptime_.start();
    if (!config.loadProfile.empty())
        loadProfile.start(config.loadOhms, config.loadProfile, true, 0);
}

double Device::uptime() const
{
    return double(uptime_.nsecsElapsed()) / 1e9;
}

void Device::followLoadProfile()
{
    if (const auto ohms = loadProfile.loadAt(uptime()))
        supply.setLoadOhms(*ohms);
}

void Device::reset()
{
    supply.reset();
    modulation.reloadFromEeprom();
}

QString Device::versionText() const
{
    const QString& fw = calibration.firmwareVersion();
    const QString& itf = calibration.interfaceVersion();
    return QStringLiteral("DALTO Control %1 %1.0 Interface %2 %2.0").arg(fw, itf);
}

} // namespace dalto::sim
