#pragma once
// Everything the simulated supply knows, in one place: the power stage, its
// calibration, the modulation table, the interface modules, the status
// reporting and its identification.

#include "sim/BootRequest.h"
#include "sim/Calibration.h"
#include "sim/EventRegisters.h"
#include "sim/InterfaceSettings.h"
#include "sim/ModulationTable.h"
#include "sim/SupplyModel.h"

#include <QString>

namespace dalto::sim {

struct DeviceConfig {
    QString model = QStringLiteral("KD");
    double ratedVoltage = 15.0;
    double ratedCurrent = 100.0;
    double loadOhms = 10.0;
    QString identity; // empty: built from the model and ratings
    QString firmwareVersion = QStringLiteral("4.8");
    QString interfaceVersion = QStringLiteral("1.2");
    QString networkAddress = QStringLiteral("127.0.0.1");
    int networkPort = 5025;
    int serialAddress = 1;
};

class Device {
public:
    explicit Device(const DeviceConfig& config);

    // *RST
    void reset();

    const QString& identity() const { return identity_; }
    // "SYST:VERS?": blank-separated words. Readers count the words from zero or
    // from one, so each version is written twice, the second time with its
    // build number: words three and four carry the control firmware, words
    // six and seven the interface.
    QString versionText() const;

    Calibration calibration;
    SupplyModel supply;
    ModulationTable modulation;
    InterfaceSettings interfaces;
    EventRegisters events;
    BootRequest bootRequest;

private:
    QString identity_;
};

} // namespace dalto::sim
