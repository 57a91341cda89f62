#pragma once
// The power stage of the simulated supply: set points, trip levels, the output
// into a resistive load (constant voltage or constant current), the ten setting
// memories, the trigger system, the configuration switches and the two status
// words that the front panels and the condition registers show.

#include "sim/Calibration.h"

#include <array>
#include <cstdint>

namespace dalto::sim {

// Status word ("<>STA" field 2, STATus:OPERation:CONDition).
namespace status_bit {
inline constexpr uint32_t Armed = 1u << 0;
inline constexpr uint32_t Interlock = 1u << 2;
inline constexpr uint32_t InternalControl = 1u << 3;
inline constexpr uint32_t ExternalControl = 1u << 4;
inline constexpr uint32_t WaitingForTrigger = 1u << 5;
inline constexpr uint32_t Standby = 1u << 6;
inline constexpr uint32_t OutputOn = 1u << 7;
inline constexpr uint32_t ConstantVoltage = 1u << 8;
inline constexpr uint32_t RemoteSense = 1u << 9;
inline constexpr uint32_t ConstantCurrent = 1u << 10;
inline constexpr uint32_t StandbyAlarm = 1u << 11;
} // namespace status_bit

// Fault word ("<>STA" field 3, STATus:QUEStionable:CONDition).
namespace fault_bit {
inline constexpr uint32_t OverVoltage = 1u << 0;
inline constexpr uint32_t OverCurrent = 1u << 1;
inline constexpr uint32_t Phase = 1u << 2;
inline constexpr uint32_t ProgramLine = 1u << 3;
inline constexpr uint32_t Thermal = 1u << 4;
inline constexpr uint32_t Fuse = 1u << 5;
inline constexpr uint32_t Alarm = 1u << 7;
inline constexpr uint32_t Lock = 1u << 8;
inline constexpr uint32_t Remote = 1u << 9;
// Faults that latch, switch the output off and need OUTP:PROT:CLE.
inline constexpr uint32_t Latching = OverVoltage | OverCurrent | Phase | ProgramLine | Thermal | Fuse | Lock;
} // namespace fault_bit

struct SupplySettings {
    double voltage = 0.0;
    double current = 0.0;
    double voltageTrip = 0.0;
    double currentTrip = 0.0;
    double period = 0.0;
};

class SupplyModel {
public:
    static constexpr int MemoryCount = 10;
    static constexpr int LastStepMaximum = 9;
    static constexpr int SetpointSourceMaximum = 2;
    // Trip levels reach 10 % above the full scale.
    static constexpr double TripHeadroom = 1.1;

    SupplyModel(Calibration& calibration, double loadOhms);

    // Set points; each returns an SCPI error code (0 when taken).
    int setVoltage(double volts);
    int setCurrent(double amps);
    int setVoltageTrip(double volts);
    int setCurrentTrip(double amps);
    int setTriggeredVoltage(double volts);
    int setTriggeredCurrent(double amps);
    int setPeriod(double period);
    int setLastStep(int step);
    int setSetpointSource(int source);
    const SupplySettings& settings() const { return settings_; }
    double triggeredVoltage() const { return triggeredVoltage_; }
    double triggeredCurrent() const { return triggeredCurrent_; }
    int lastStep() const { return lastStep_; }
    int setpointSource() const { return setpointSource_; }

    int start();
    void stop();
    bool outputOn() const { return outputOn_; }
    int setArmed(bool armed);
    bool armed() const { return armed_; }
    void clearProtection();
    // Latches the given faults as if the hardware had reported them.
    void injectFaults(uint32_t faults);

    int initiate();
    void abort();
    int trigger();
    void setContinuousTrigger(bool on);
    bool continuousTrigger() const { return continuous_; }

    int save(int memory);
    int recall(int memory);
    int memoryNumber() const { return memory_; }
    // All memories and the present settings back to their power-on values,
    // memory number 0: what a long CLEAR press on the keypad supply does.
    void clearMemories();

    void setRemoteSense(bool on) { setStatusFlag(status_bit::RemoteSense, on); }
    void setInternalControl(bool on) { setStatusFlag(status_bit::InternalControl, on); }
    void setExternalControl(bool on) { setStatusFlag(status_bit::ExternalControl, on); }
    void setInterlock(bool on) { setStatusFlag(status_bit::Interlock, on); }
    void setRemote(bool remote) { remote_ = remote; }

    int setLoadOhms(double ohms);
    double loadOhms() const { return loadOhms_; }
    double measuredVoltage() const;
    double measuredCurrent() const;

    uint32_t statusWord() const;
    uint32_t faultWord() const;

    // *RST: set points, trips, triggers and memory number to their power-on values,
    // output off, faults cleared; calibration and configuration switches stay.
    void reset();

private:
    bool inConstantCurrent() const;
    void checkTrips();
    void setStatusFlag(uint32_t bit, bool on);
    SupplySettings defaults() const;

    Calibration& calibration_;
    SupplySettings settings_;
    std::array<SupplySettings, MemoryCount> memories_;
    double triggeredVoltage_ = 0.0;
    double triggeredCurrent_ = 0.0;
    int lastStep_ = 0;
    int setpointSource_ = 0;
    int memory_ = 0;
    double loadOhms_;
    bool outputOn_ = false;
    bool armed_ = false;
    bool waitingForTrigger_ = false;
    bool continuous_ = false;
    bool remote_ = false;
    uint32_t configFlags_ = status_bit::InternalControl;
    uint32_t latchedFaults_ = 0;
};

} // namespace dalto::sim
