#include "ObservedGpibBus.h"
#include "link/LinkFault.h"
#include "link/gpib/GpibCodes.h"
#include "link/gpib/GpibLayer.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace dalto {
namespace {

using testing::ObservedGpibBus;

constexpr int InstrumentAddress = 5;
constexpr int SilentAddress = 9;
const QByteArray Identification = "Dalto,KD 60-10,0042,1.3";

class GpibLayerTest : public ::testing::Test {
protected:
    GpibLayerTest()
    {
        context.state.GpibEosText = QStringLiteral("10");
        context.onEndProgram = [this] { ++programEnds; };
        bus.placeInstrument(InstrumentAddress, Identification);
    }

    void openAt(int address)
    {
        context.state.DeviceAddress = QString::number(address);
        layer.GpibOpen();
    }

    testing::FakeClock clock;
    testing::ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths({}, {}, {})};
    ObservedGpibBus bus;
    GpibLayer layer{context, bus};
    int programEnds = 0;
};

TEST_F(GpibLayerTest, OpenHandsTheFixedParametersToTheDriver)
{
    openAt(InstrumentAddress);
    const GpibStatusWords& words = context.state.Gpib;
    EXPECT_EQ(bus.calls, QStringList({
                             QStringLiteral("ibfind gpib0 -> %1").arg(words.GpibBoard),
                             QStringLiteral("ibsic %1").arg(words.GpibBoard),
                             QStringLiteral("ibdev 0 5 0 10 0 0x40a -> %1").arg(words.GpibDevice),
                             QStringLiteral("ibtmo %1 10").arg(words.GpibBoard),
                         }));
    EXPECT_FALSE(layer.errorBitSet());
}

TEST_F(GpibLayerTest, OpenTakesTheNumericValuesOfAddressAndEndOfStringTexts)
{
    context.state.DeviceAddress = QStringLiteral(" 12.5 volts");
    context.state.GpibEosText = QStringLiteral("13");
    layer.GpibOpen();
    EXPECT_TRUE(bus.calls.at(2).startsWith(QStringLiteral("ibdev 0 12 0 10 0 0x40d"))) << bus.calls.at(2).toStdString();
    // Beyond an Integer: a fault of the open, as a failed conversion would be.
    context.state.DeviceAddress = QStringLiteral("40000");
    EXPECT_THROW(layer.GpibOpen(), LinkFault);
}

TEST_F(GpibLayerTest, InstrumentAnswersIdentificationIntoThePrefilledBuffer)
{
    openAt(InstrumentAddress);
    layer.GpibWrite(QStringLiteral("5"), "*IDN?\n");
    QByteArray buffer(100, '\0');
    layer.GpibRead(QStringLiteral("5"), buffer);

    EXPECT_EQ(buffer.left(Identification.size() + 1), Identification + '\n');
    EXPECT_EQ(buffer.mid(Identification.size() + 1), QByteArray(100 - Identification.size() - 1, '\0'));
    EXPECT_EQ(context.state.Gpib.ibcnt, Identification.size() + 1);
    EXPECT_FALSE(layer.errorBitSet());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GpibLayerTest, SilentAddressAsksOncePerFailedTransferAndNoEndsTheProgram)
{
    openAt(SilentAddress);
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};
    layer.GpibWrite(QStringLiteral("9"), "*IDN?\n");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(programEnds, 0);
    QByteArray buffer(100, '\0');
    layer.GpibRead(QStringLiteral("9"), buffer);

    ASSERT_EQ(prompts.messages.size(), 2u);
    for (const auto& asked : prompts.messages) {
        EXPECT_EQ(asked.text, QStringLiteral("Device Timeout on Address: 9 Continue?"));
        EXPECT_EQ(asked.title, QStringLiteral("Dalto Panel"));
        EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    }
    EXPECT_TRUE(layer.errorBitSet());
    EXPECT_EQ(context.state.Gpib.iberr, gpib::EABO);
    EXPECT_EQ(context.state.Gpib.ibcnt, 0);
    EXPECT_EQ(buffer, QByteArray(100, '\0'));
    EXPECT_EQ(programEnds, 1);
}

TEST_F(GpibLayerTest, NoPromptWhileProbingOrOnTheQuietRead)
{
    openAt(SilentAddress);
    QByteArray buffer(100, '\0');
    layer.GpibReadQuiet(buffer);
    EXPECT_TRUE(layer.errorBitSet());

    context.state.Probing = true;
    layer.GpibWriteBytes(QStringLiteral("9"), QByteArray("\x01\x02", 2));
    layer.GpibRead(QStringLiteral("9"), buffer);
    EXPECT_TRUE(layer.errorBitSet());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GpibLayerTest, ThreadWordsAreCopiedWithSixteenBitSignRules)
{
    openAt(SilentAddress);
    layer.GpibWrite(QStringLiteral("9"), "*RST\n"); // no listener: ERR | CMPL
    EXPECT_EQ(context.state.Gpib.threadIbsta, 0x8100);
    EXPECT_EQ(context.state.Gpib.ibsta, -32512);
    EXPECT_EQ(context.state.Gpib.iberr, gpib::ENOL);
    EXPECT_TRUE(layer.errorBitSet());

    openAt(InstrumentAddress);
    layer.GpibWrite(QStringLiteral("5"), QByteArray(40000, ' '));
    EXPECT_EQ(context.state.Gpib.ibcntl, 40000);
    EXPECT_EQ(context.state.Gpib.ibcnt, -25536);
    EXPECT_FALSE(layer.errorBitSet());
}

TEST_F(GpibLayerTest, ListenerSearchReportsPlacedInstrumentsAmongTheAddressesAsked)
{
    bus.placeInstrument(22, "Other");
    bus.placeInstrument(3, "Third");
    std::vector<uint16_t> all;
    for (uint16_t address = 0; address < 30; ++address)
        all.push_back(address);

    EXPECT_EQ(layer.GpibFindListeners(0, all, 30), (std::vector<uint16_t>{3, 5, 22}));
    EXPECT_EQ(context.state.Gpib.ibcnt, 3);
    EXPECT_EQ(layer.GpibFindListeners(0, {4, 5, 6, 22}, 30), (std::vector<uint16_t>{5, 22}));
    EXPECT_EQ(layer.GpibFindListeners(0, all, 2), (std::vector<uint16_t>{3, 5}));
    EXPECT_EQ(context.state.Gpib.iberr, gpib::ETAB);
    EXPECT_TRUE(layer.GpibFindListeners(0, {0, 1, 2}, 30).empty());
}

TEST_F(GpibLayerTest, RegistrationHappensOnceAndIsWithdrawnWithTheLayer)
{
    context.state.DeviceAddress = QString::number(InstrumentAddress);
    {
        GpibLayer scoped(context, bus);
        scoped.GpibOpen();
        scoped.GpibWrite(QStringLiteral("5"), "*IDN?\n");
        EXPECT_EQ(bus.registrations, 1);
        EXPECT_EQ(context.state.Gpib.registered, 1);
    }
    EXPECT_EQ(bus.unregistrations, 1);
    EXPECT_EQ(context.state.Gpib.registered, 0);
}

struct RegistrationCase {
    int result;
    int16_t registered;
    int registrations; // over the four calls of an open
    int unregistrations;
    bool failed;
};

class GpibRegistrationTest : public GpibLayerTest, public ::testing::WithParamInterface<RegistrationCase> {};

TEST_P(GpibRegistrationTest, ResultDecidesFlagAndStatus)
{
    const RegistrationCase c = GetParam();
    bus.registrationResults.assign(4, c.result);
    openAt(InstrumentAddress);
    const GpibStatusWords& words = context.state.Gpib;

    EXPECT_EQ(words.registered, c.registered);
    EXPECT_EQ(bus.registrations, c.registrations);
    EXPECT_EQ(bus.unregistrations, c.unregistrations);
    EXPECT_EQ(layer.errorBitSet(), c.failed);
    if (c.failed) {
        EXPECT_EQ(words.ibsta, -32768);
        EXPECT_EQ(words.iberr, 0);
        EXPECT_EQ(words.ibcntl, static_cast<int32_t>(0xDEAD37F0u));
        EXPECT_EQ(words.ibcnt, 0x37F0);
    } else {
        EXPECT_EQ(words.ibsta, gpib::CMPL);
    }
}

INSTANTIATE_TEST_SUITE_P(Results, GpibRegistrationTest,
                         ::testing::Values(RegistrationCase{0, 1, 1, 0, false}, RegistrationCase{1, 1, 2, 1, false},
                                           RegistrationCase{2, 0, 4, 4, true}, RegistrationCase{3, 0, 4, 4, true},
                                           RegistrationCase{7, 0, 4, 0, true}));

} // namespace
} // namespace dalto
