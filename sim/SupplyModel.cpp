#include "sim/SupplyModel.h"

#include "sim/EventRegisters.h"

#include <cmath>

namespace dalto::sim {

namespace {
bool within(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}
} // namespace

SupplyModel::SupplyModel(Calibration& calibration, double loadOhms)
    : calibration_(calibration)
    , loadOhms_(loadOhms)
{
    clearMemories();
}

SupplySettings SupplyModel::defaults() const
{
    SupplySettings s;
    s.voltageTrip = calibration_.ratedVoltage() * TripHeadroom;
    s.currentTrip = calibration_.ratedCurrent() * TripHeadroom;
    return s;
}

int SupplyModel::setVoltage(double volts)
{
    if (!within(volts, 0.0, calibration_.ratedVoltage()))
        return scpi_error::DataOutOfRange;
    settings_.voltage = volts;
    checkTrips();
    return scpi_error::None;
}

int SupplyModel::setCurrent(double amps)
{
    if (!within(amps, 0.0, calibration_.ratedCurrent()))
        return scpi_error::DataOutOfRange;
    settings_.current = amps;
    checkTrips();
    return scpi_error::None;
}

int SupplyModel::setVoltageTrip(double volts)
{
    if (!within(volts, 0.0, calibration_.ratedVoltage() * TripHeadroom))
        return scpi_error::DataOutOfRange;
    settings_.voltageTrip = volts;
    checkTrips();
    return scpi_error::None;
}

int SupplyModel::setCurrentTrip(double amps)
{
    if (!within(amps, 0.0, calibration_.ratedCurrent() * TripHeadroom))
        return scpi_error::DataOutOfRange;
    settings_.currentTrip = amps;
    checkTrips();
    return scpi_error::None;
}

int SupplyModel::setTriggeredVoltage(double volts)
{
    if (!within(volts, 0.0, calibration_.ratedVoltage()))
        return scpi_error::DataOutOfRange;
    triggeredVoltage_ = volts;
    return scpi_error::None;
}

int SupplyModel::setTriggeredCurrent(double amps)
{
    if (!within(amps, 0.0, calibration_.ratedCurrent()))
        return scpi_error::DataOutOfRange;
    triggeredCurrent_ = amps;
    return scpi_error::None;
}

int SupplyModel::setPeriod(double period)
{
    // The status protocol carries the period in thousandths in 32 bits.
    if (!within(period, 0.0, 2000000.0))
        return scpi_error::DataOutOfRange;
    settings_.period = period;
    return scpi_error::None;
}

int SupplyModel::setLastStep(int step)
{
    if (step < 0 || step > LastStepMaximum)
        return scpi_error::DataOutOfRange;
    lastStep_ = step;
    return scpi_error::None;
}

int SupplyModel::setSetpointSource(int source)
{
    if (source < 0 || source > SetpointSourceMaximum)
        return scpi_error::DataOutOfRange;
    setpointSource_ = source;
    return scpi_error::None;
}

int SupplyModel::start()
{
    if (latchedFaults_)
        return scpi_error::SettingsConflict;
    outputOn_ = true;
    checkTrips();
    return scpi_error::None;
}

void SupplyModel::stop()
{
    outputOn_ = false;
    armed_ = false;
}

int SupplyModel::setArmed(bool armed)
{
    if (armed && outputOn_)
        return scpi_error::SettingsConflict;
    armed_ = armed;
    return scpi_error::None;
}

void SupplyModel::clearProtection()
{
    latchedFaults_ = 0;
}

void SupplyModel::injectFaults(uint32_t faults)
{
    latchedFaults_ |= faults & fault_bit::Latching;
    if (latchedFaults_)
        stop();
}

int SupplyModel::initiate()
{
    waitingForTrigger_ = true;
    return scpi_error::None;
}

void SupplyModel::abort()
{
    waitingForTrigger_ = false;
}

int SupplyModel::trigger()
{
    if (!waitingForTrigger_ && !continuous_)
        return scpi_error::TriggerIgnored;
    waitingForTrigger_ = false;
    settings_.voltage = triggeredVoltage_;
    settings_.current = triggeredCurrent_;
    checkTrips();
    return scpi_error::None;
}

void SupplyModel::setContinuousTrigger(bool on)
{
    continuous_ = on;
}

int SupplyModel::save(int memory)
{
    if (memory < 0 || memory >= MemoryCount)
        return scpi_error::DataOutOfRange;
    memories_[memory] = settings_;
    memory_ = memory;
    return scpi_error::None;
}

int SupplyModel::recall(int memory)
{
    if (memory < 0 || memory >= MemoryCount)
        return scpi_error::DataOutOfRange;
    settings_ = memories_[memory];
    memory_ = memory;
    checkTrips();
    return scpi_error::None;
}

void SupplyModel::clearMemories()
{
    settings_ = defaults();
    memories_.fill(settings_);
    memory_ = 0;
}

int SupplyModel::setLoadOhms(double ohms)
{
    if (!(ohms > 0.0 && std::isfinite(ohms)))
        return scpi_error::DataOutOfRange;
    loadOhms_ = ohms;
    return scpi_error::None;
}

bool SupplyModel::inConstantCurrent() const
{
    return settings_.voltage / loadOhms_ > settings_.current;
}

double SupplyModel::measuredVoltage() const
{
    if (!outputOn_)
        return 0.0;
    return inConstantCurrent() ? settings_.current * loadOhms_ : settings_.voltage;
}

double SupplyModel::measuredCurrent() const
{
    if (!outputOn_)
        return 0.0;
    return inConstantCurrent() ? settings_.current : settings_.voltage / loadOhms_;
}

uint32_t SupplyModel::statusWord() const
{
    using namespace status_bit;
    uint32_t word = configFlags_;
    if (armed_)
        word |= Armed;
    if (waitingForTrigger_)
        word |= WaitingForTrigger;
    if (outputOn_) {
        word |= OutputOn;
        word |= inConstantCurrent() ? ConstantCurrent : ConstantVoltage;
    } else {
        word |= Standby;
        if (latchedFaults_)
            word |= StandbyAlarm;
    }
    return word;
}

uint32_t SupplyModel::faultWord() const
{
    uint32_t word = latchedFaults_;
    if (latchedFaults_)
        word |= fault_bit::Alarm;
    if (remote_)
        word |= fault_bit::Remote;
    return word;
}

void SupplyModel::reset()
{
    settings_ = defaults();
    triggeredVoltage_ = 0.0;
    triggeredCurrent_ = 0.0;
    lastStep_ = 0;
    memory_ = 0;
    waitingForTrigger_ = false;
    continuous_ = false;
    latchedFaults_ = 0;
    stop();
}

void SupplyModel::checkTrips()
{
    if (!outputOn_)
        return;
    uint32_t trips = 0;
    if (settings_.voltage > settings_.voltageTrip)
        trips |= fault_bit::OverVoltage;
    if (measuredCurrent() > settings_.currentTrip || settings_.current > settings_.currentTrip)
        trips |= fault_bit::OverCurrent;
    if (trips)
        injectFaults(trips);
}

void SupplyModel::setStatusFlag(uint32_t bit, bool on)
{
    if (on)
        configFlags_ |= bit;
    else
        configFlags_ &= ~bit;
}

} // namespace dalto::sim
