#include "sim/Calibration.h"

#include "sim/EventRegisters.h"

#include <cmath>

namespace dalto::sim {

namespace {
// Largest full scale the supply family is built for.
constexpr double MaximumFullScale = 8000.0;
}

Calibration::Calibration(double ratedVoltage, double ratedCurrent, QString firmwareVersion,
                         QString interfaceVersion)
    : ratedVoltage_(ratedVoltage)
    , ratedCurrent_(ratedCurrent)
    , firmware_(std::move(firmwareVersion))
    , interface_(std::move(interfaceVersion))
{
    pots_.fill(PotDefault);
}

bool Calibration::enterPassword(const QString& code)
{
    if (code == FactoryCode)
        access_ = Access::Factory;
    else if (code == PotCode)
        access_ = Access::Pots;
    else
        access_ = Access::None;
    return access_ != Access::None;
}

std::optional<int> Calibration::pot(int number) const
{
    if (number < 1 || number > PotCount)
        return std::nullopt;
    return pots_[number - 1];
}

int Calibration::setPot(int number, int value)
{
    if (const int e = requirePots())
        return e;
    if (number < 1 || number > PotCount || value < 0 || value > PotMaximum)
        return scpi_error::DataOutOfRange;
    pots_[number - 1] = value;
    return scpi_error::None;
}

int Calibration::restoreDefaultPots()
{
    if (const int e = requirePots())
        return e;
    pots_.fill(PotDefault);
    return scpi_error::None;
}

int Calibration::setRatedVoltage(double volts)
{
    if (const int e = requireFactory())
        return e;
    if (!(volts > 0.0 && volts <= MaximumFullScale))
        return scpi_error::DataOutOfRange;
    ratedVoltage_ = volts;
    return scpi_error::None;
}

int Calibration::setRatedCurrent(double amps)
{
    if (const int e = requireFactory())
        return e;
    if (!(amps > 0.0 && amps <= MaximumFullScale))
        return scpi_error::DataOutOfRange;
    ratedCurrent_ = amps;
    return scpi_error::None;
}

int Calibration::setInputScale(double scale)
{
    if (const int e = requireFactory())
        return e;
    if (!(scale > 0.0 && std::isfinite(scale)))
        return scpi_error::DataOutOfRange;
    inputScale_ = scale;
    return scpi_error::None;
}

int Calibration::setFirmwareVersion(const QString& version)
{
    if (const int e = requireFactory())
        return e;
    bool ok = false;
    version.toDouble(&ok);
    if (!ok)
        return scpi_error::IllegalParameterValue;
    firmware_ = version;
    return scpi_error::None;
}

int Calibration::requirePots() const
{
    return access_ == Access::None ? scpi_error::CommandProtected : scpi_error::None;
}

int Calibration::requireFactory() const
{
    return access_ == Access::Factory ? scpi_error::None : scpi_error::CommandProtected;
}

} // namespace dalto::sim
