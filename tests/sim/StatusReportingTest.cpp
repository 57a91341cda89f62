#include "sim/Calibration.h"
#include "sim/EventRegisters.h"

#include <gtest/gtest.h>

using namespace dalto::sim;

TEST(EventRegisters, ErrorQueueIsFirstInFirstOutAndMarksOverflow)
{
    EventRegisters events;
    EXPECT_EQ(events.takeError(), QStringLiteral("0,\"No error\""));
    events.pushError(scpi_error::UndefinedHeader);
    events.pushError(scpi_error::DataOutOfRange);
    EXPECT_EQ(events.takeError(), QStringLiteral("-113,\"Undefined header\""));
    EXPECT_EQ(events.takeError(), QStringLiteral("-222,\"Data out of range\""));

    for (size_t i = 0; i < EventRegisters::QueueCapacity + 5; ++i)
        events.pushError(scpi_error::SyntaxError);
    EXPECT_EQ(events.errorCount(), EventRegisters::QueueCapacity);
    for (size_t i = 0; i + 1 < EventRegisters::QueueCapacity; ++i)
        EXPECT_EQ(events.takeError(), QStringLiteral("-102,\"Syntax error\""));
    EXPECT_EQ(events.takeError(), QStringLiteral("-350,\"Queue overflow\""));
}

TEST(EventRegisters, ErrorClassesSetTheirEventBitsAndReadingClears)
{
    EventRegisters events;
    EXPECT_EQ(events.takeEventStatus(), EventRegisters::PowerOn);
    events.pushError(scpi_error::UndefinedHeader);
    events.pushError(scpi_error::DataOutOfRange);
    events.pushError(scpi_error::InputBufferOverrun);
    EXPECT_EQ(events.takeEventStatus(), EventRegisters::CommandErrorBit | EventRegisters::ExecutionError
                                            | EventRegisters::DeviceDependentError);
    EXPECT_EQ(events.takeEventStatus(), 0);
}

TEST(EventRegisters, StatusByteSummarisesEnabledEventsAndRequestsService)
{
    EventRegisters events;
    events.clear();
    events.pushError(scpi_error::UndefinedHeader);
    EXPECT_EQ(events.statusByte(false), 0);

    ASSERT_EQ(events.setEventEnable(EventRegisters::CommandErrorBit), 0);
    EXPECT_EQ(events.statusByte(false), EventRegisters::EventSummary);
    ASSERT_EQ(events.setServiceRequestEnable(EventRegisters::EventSummary), 0);
    EXPECT_EQ(events.statusByte(false), EventRegisters::EventSummary | EventRegisters::MasterSummary);
    EXPECT_EQ(events.statusByte(true),
              EventRegisters::MessageAvailable | EventRegisters::EventSummary | EventRegisters::MasterSummary);

    events.clear();
    EXPECT_EQ(events.statusByte(false), 0);
    EXPECT_EQ(events.errorCount(), 0u);
    EXPECT_EQ(events.setEventEnable(256), scpi_error::DataOutOfRange);
    EXPECT_EQ(events.eventEnable(), EventRegisters::CommandErrorBit);
}

TEST(Calibration, PotCodeOpensPotsAndFactoryCodeAlsoOpensScales)
{
    Calibration cal(15.0, 100.0, "4.8", "1.2");
    EXPECT_EQ(cal.setPot(1, 200), scpi_error::CommandProtected);
    EXPECT_EQ(cal.restoreDefaultPots(), scpi_error::CommandProtected);
    EXPECT_EQ(cal.setRatedVoltage(20.0), scpi_error::CommandProtected);

    EXPECT_TRUE(cal.enterPassword("7351"));
    EXPECT_EQ(cal.setPot(1, 200), 0);
    EXPECT_EQ(cal.setPot(5, 256), scpi_error::DataOutOfRange);
    EXPECT_EQ(cal.setPot(6, 10), scpi_error::DataOutOfRange);
    EXPECT_EQ(cal.setRatedVoltage(20.0), scpi_error::CommandProtected);
    EXPECT_EQ(cal.pot(1), 200);

    EXPECT_TRUE(cal.enterPassword("2468"));
    EXPECT_EQ(cal.setRatedVoltage(20.0), 0);
    EXPECT_EQ(cal.setFirmwareVersion("5.1"), 0);
    EXPECT_EQ(cal.setFirmwareVersion("new"), scpi_error::IllegalParameterValue);
    EXPECT_DOUBLE_EQ(cal.ratedVoltage(), 20.0);
    EXPECT_EQ(cal.firmwareVersion(), QStringLiteral("5.1"));

    EXPECT_EQ(cal.restoreDefaultPots(), 0);
    EXPECT_EQ(cal.pot(1), Calibration::PotDefault);
}

TEST(Calibration, WrongCodeOrStopLocksAgain)
{
    Calibration cal(15.0, 100.0, "4.8", "1.2");
    cal.enterPassword("2468");
    EXPECT_FALSE(cal.enterPassword("2468 "));
    EXPECT_EQ(cal.setPot(2, 1), scpi_error::CommandProtected);
    cal.enterPassword("7351");
    cal.stop();
    EXPECT_EQ(cal.access(), Calibration::Access::None);
    EXPECT_EQ(cal.setPot(2, 1), scpi_error::CommandProtected);
}
