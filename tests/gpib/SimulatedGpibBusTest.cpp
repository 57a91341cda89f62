#include "link/gpib/GpibCodes.h"
#include "link/gpib/SimulatedGpibBus.h"

#include <gtest/gtest.h>

namespace dalto {
namespace {

constexpr int EndOnLineFeed = 0x40A;

class SimulatedGpibBusTest : public ::testing::Test {
protected:
    SimulatedGpibBusTest() { bus.RegisterGpibGlobalsForThread(&words); }

    int device(int pad, int eos = EndOnLineFeed) { return bus.ibdev(0, pad, 0, 10, 0, eos); }
    void write(int ud, const QByteArray& text) { bus.ibwrt(ud, text.constData(), text.size()); }
    QByteArray read(int ud, long count = 100)
    {
        QByteArray buffer(count, '\0');
        bus.ibrd(ud, buffer.data(), count);
        return buffer.left(words.ibcntl);
    }

    SimulatedGpibBus bus;
    GpibThreadWords words;
};

TEST_F(SimulatedGpibBusTest, QueriesAnsweredByIdentificationOrAnswerFunction)
{
    bus.placeInstrument(4, "ACME,PSU", [](const QByteArray& command) -> std::optional<QByteArray> {
        if (command == "VOLT?")
            return QByteArray("12.500");
        return std::nullopt;
    });
    const int ud = device(4);
    write(ud, "*idn?\r\n");
    EXPECT_EQ(read(ud), "ACME,PSU\n");
    write(ud, "VO");
    write(ud, "LT?\n");
    EXPECT_EQ(read(ud), "12.500\n");
    EXPECT_TRUE(words.ibsta & gpib::END);

    write(ud, "VOLT 3\n"); // a command: nothing to read
    read(ud);
    EXPECT_EQ(words.ibsta & (gpib::ERR | gpib::TIMO), gpib::ERR | gpib::TIMO);
    EXPECT_EQ(words.iberr, gpib::EABO);
}

TEST_F(SimulatedGpibBusTest, ReadStopsAtBufferEndOrEndOfStringByte)
{
    bus.placeInstrument(4, "A;B;C", [](const QByteArray&) { return std::optional<QByteArray>("x"); });
    const int semicolonEos = 0x400 | ';';
    const int ud = device(4, semicolonEos);
    write(ud, "*IDN?\n");
    EXPECT_EQ(read(ud), "A;");
    EXPECT_TRUE(words.ibsta & gpib::END);
    EXPECT_EQ(read(ud, 2), "B;");
    EXPECT_EQ(read(ud, 1), "C");
    EXPECT_FALSE(words.ibsta & gpib::END);
    EXPECT_EQ(read(ud), "\n");

    write(ud, "*IDN?\n");
    bus.ibclr(ud);
    read(ud);
    EXPECT_EQ(words.iberr, gpib::EABO);
}

} // namespace
} // namespace dalto
