#include "sim/Calibration.h"
#include "sim/EventRegisters.h"
#include "sim/SupplyModel.h"

#include <gtest/gtest.h>

using namespace dalto::sim;

namespace {

class SupplyModelTest : public ::testing::Test {
protected:
    Calibration calibration {15.0, 100.0, "4.8", "1.2"};
    SupplyModel supply {calibration, 10.0};
};

} // namespace

TEST_F(SupplyModelTest, StartsInStandbyUnderInternalControlWithDefaultTrips)
{
    EXPECT_EQ(supply.statusWord(), status_bit::Standby | status_bit::InternalControl);
    EXPECT_EQ(supply.faultWord(), 0u);
    EXPECT_DOUBLE_EQ(supply.settings().voltageTrip, 16.5);
    EXPECT_DOUBLE_EQ(supply.settings().currentTrip, 110.0);
    EXPECT_EQ(supply.measuredVoltage(), 0.0);
}

TEST_F(SupplyModelTest, ResistiveLoadGivesConstantVoltageOrConstantCurrent)
{
    ASSERT_EQ(supply.setVoltage(5.0), 0);
    ASSERT_EQ(supply.setCurrent(1.0), 0);
    ASSERT_EQ(supply.start(), 0);
    EXPECT_DOUBLE_EQ(supply.measuredVoltage(), 5.0);
    EXPECT_DOUBLE_EQ(supply.measuredCurrent(), 0.5);
    EXPECT_EQ(supply.statusWord() & (status_bit::ConstantVoltage | status_bit::ConstantCurrent | status_bit::OutputOn
                                     | status_bit::Standby),
              status_bit::ConstantVoltage | status_bit::OutputOn);

    ASSERT_EQ(supply.setLoadOhms(2.0), 0);
    EXPECT_DOUBLE_EQ(supply.measuredCurrent(), 1.0);
    EXPECT_DOUBLE_EQ(supply.measuredVoltage(), 2.0);
    EXPECT_TRUE(supply.statusWord() & status_bit::ConstantCurrent);
    EXPECT_FALSE(supply.statusWord() & status_bit::ConstantVoltage);

    supply.stop();
    EXPECT_EQ(supply.measuredCurrent(), 0.0);
    EXPECT_EQ(supply.statusWord() & (status_bit::ConstantCurrent | status_bit::OutputOn), 0u);
}

TEST_F(SupplyModelTest, SetPointAboveTripWhileOnTripsUntilCleared)
{
    supply.setVoltage(10.0);
    supply.setCurrent(5.0);
    supply.start();
    ASSERT_EQ(supply.setVoltageTrip(8.0), 0);

    EXPECT_FALSE(supply.outputOn());
    EXPECT_EQ(supply.faultWord(), fault_bit::OverVoltage | fault_bit::Alarm);
    EXPECT_TRUE(supply.statusWord() & status_bit::StandbyAlarm);
    EXPECT_EQ(supply.start(), scpi_error::SettingsConflict);

    supply.clearProtection();
    EXPECT_EQ(supply.faultWord(), 0u);
    supply.setVoltageTrip(12.0);
    EXPECT_EQ(supply.start(), 0);
    ASSERT_EQ(supply.setCurrentTrip(4.0), 0);
    EXPECT_EQ(supply.faultWord(), fault_bit::OverCurrent | fault_bit::Alarm);
}

TEST_F(SupplyModelTest, SetPointAboveTripInStandbyDoesNotTripUntilStart)
{
    supply.setVoltageTrip(4.0);
    ASSERT_EQ(supply.setVoltage(6.0), 0);
    EXPECT_EQ(supply.faultWord(), 0u);
    supply.start();
    EXPECT_FALSE(supply.outputOn());
    EXPECT_TRUE(supply.faultWord() & fault_bit::OverVoltage);
}

TEST_F(SupplyModelTest, RefusesValuesOutsideTheRatings)
{
    EXPECT_EQ(supply.setVoltage(15.5), scpi_error::DataOutOfRange);
    EXPECT_EQ(supply.setVoltage(-1.0), scpi_error::DataOutOfRange);
    EXPECT_EQ(supply.setVoltageTrip(16.5), 0);
    EXPECT_EQ(supply.setVoltageTrip(16.6), scpi_error::DataOutOfRange);
    EXPECT_EQ(supply.setCurrent(std::nan("")), scpi_error::DataOutOfRange);
    EXPECT_EQ(supply.save(10), scpi_error::DataOutOfRange);
    EXPECT_DOUBLE_EQ(supply.settings().voltage, 0.0);
}

TEST_F(SupplyModelTest, MemoriesKeepSetPointsTripsAndPeriod)
{
    supply.setVoltage(3.0);
    supply.setCurrent(2.0);
    supply.setPeriod(7.0);
    ASSERT_EQ(supply.save(4), 0);
    supply.setVoltage(9.0);
    supply.setPeriod(1.0);

    ASSERT_EQ(supply.recall(4), 0);
    EXPECT_EQ(supply.memoryNumber(), 4);
    EXPECT_DOUBLE_EQ(supply.settings().voltage, 3.0);
    EXPECT_DOUBLE_EQ(supply.settings().current, 2.0);
    EXPECT_DOUBLE_EQ(supply.settings().period, 7.0);

    ASSERT_EQ(supply.recall(5), 0);
    EXPECT_DOUBLE_EQ(supply.settings().voltage, 0.0);
}

TEST_F(SupplyModelTest, ArmedBitSurvivesStartEndsWithStopAndIsRefusedWhileOn)
{
    ASSERT_EQ(supply.setArmed(true), 0);
    ASSERT_EQ(supply.start(), 0);
    const uint32_t armedAndOn = status_bit::Armed | status_bit::OutputOn;
    EXPECT_EQ(supply.statusWord() & armedAndOn, armedAndOn);
    supply.stop();
    EXPECT_FALSE(supply.statusWord() & status_bit::Armed);

    ASSERT_EQ(supply.start(), 0);
    EXPECT_EQ(supply.setArmed(true), scpi_error::SettingsConflict);
    EXPECT_FALSE(supply.statusWord() & status_bit::Armed);
}

TEST_F(SupplyModelTest, TriggerAppliesTriggeredLevelsOnlyWhenInitiated)
{
    supply.setTriggeredVoltage(6.0);
    supply.setTriggeredCurrent(0.2);
    EXPECT_EQ(supply.trigger(), scpi_error::TriggerIgnored);
    EXPECT_DOUBLE_EQ(supply.settings().voltage, 0.0);

    supply.initiate();
    EXPECT_TRUE(supply.statusWord() & status_bit::WaitingForTrigger);
    EXPECT_EQ(supply.trigger(), 0);
    EXPECT_DOUBLE_EQ(supply.settings().voltage, 6.0);
    EXPECT_FALSE(supply.statusWord() & status_bit::WaitingForTrigger);

    supply.initiate();
    supply.abort();
    EXPECT_EQ(supply.trigger(), scpi_error::TriggerIgnored);
    supply.setContinuousTrigger(true);
    EXPECT_EQ(supply.trigger(), 0);
}

TEST_F(SupplyModelTest, ConfigurationArmAndFaultsShowInTheWords)
{
    supply.setRemoteSense(true);
    supply.setExternalControl(true);
    supply.setInternalControl(false);
    supply.setInterlock(true);
    ASSERT_EQ(supply.setArmed(true), 0);
    EXPECT_EQ(supply.statusWord(), status_bit::RemoteSense | status_bit::ExternalControl | status_bit::Interlock
                                       | status_bit::Armed | status_bit::Standby);

    supply.start();
    EXPECT_EQ(supply.setArmed(true), scpi_error::SettingsConflict);
    supply.stop();
    EXPECT_FALSE(supply.statusWord() & status_bit::Armed);

    supply.setRemote(true);
    supply.start();
    supply.injectFaults(fault_bit::Thermal | fault_bit::Fuse);
    EXPECT_FALSE(supply.outputOn());
    EXPECT_EQ(supply.faultWord(), fault_bit::Thermal | fault_bit::Fuse | fault_bit::Alarm | fault_bit::Remote);
    supply.reset();
    EXPECT_EQ(supply.faultWord(), fault_bit::Remote);
    EXPECT_TRUE(supply.statusWord() & status_bit::RemoteSense);
}

// The words as the panels read them off the wire: each state at its own bit, written
// as numbers so that two states trading bits in the model cannot go unseen.
TEST_F(SupplyModelTest, EachStateSitsAtTheBitThePanelsRead)
{
    EXPECT_EQ(supply.statusWord(), 0x48u); // internal control, standby
    supply.setInternalControl(false);
    const std::pair<void (SupplyModel::*)(bool), uint32_t> flags[] = {
        {&SupplyModel::setInterlock, 0x4u},
        {&SupplyModel::setExternalControl, 0x10u},
        {&SupplyModel::setRemoteSense, 0x200u},
    };
    for (const auto& [set, bit] : flags) {
        (supply.*set)(true);
        EXPECT_EQ(supply.statusWord(), 0x40u | bit);
        (supply.*set)(false);
    }
    ASSERT_EQ(supply.setVoltage(5.0), 0);
    ASSERT_EQ(supply.setCurrent(1.0), 0);
    ASSERT_EQ(supply.start(), 0);
    EXPECT_EQ(supply.statusWord(), 0x180u); // output on, voltage control
    ASSERT_EQ(supply.setLoadOhms(2.0), 0);
    EXPECT_EQ(supply.statusWord(), 0x480u); // output on, current control

    const std::pair<uint32_t, uint32_t> faults[] = {
        {fault_bit::OverVoltage, 0x1u}, {fault_bit::OverCurrent, 0x2u}, {fault_bit::Phase, 0x4u},
        {fault_bit::ProgramLine, 0x8u}, {fault_bit::Thermal, 0x10u},    {fault_bit::Fuse, 0x20u},
        {fault_bit::Lock, 0x100u},
    };
    for (const auto& [fault, bit] : faults) {
        supply.reset();
        supply.injectFaults(fault);
        EXPECT_EQ(supply.faultWord(), bit | 0x80u) << bit; // with the alarm summary
    }
}
