// Live status replies: the words behind the lamps, the read-out values, the run
// state, and the stand-in values when no supply answers in full.
#include "panels/front/StatusReply.h"

#include <gtest/gtest.h>

using namespace dalto::front;

namespace {

std::vector<int> SetBits(const StatusBits& bits)
{
    std::vector<int> set;
    for (size_t k = 0; k < bits.size(); ++k)
        if (bits[k])
            set.push_back(int(k));
    return set;
}

const SimulatedSupply Standby{runstate::Standby, 12.5f, 3.25f, 72, 0};

} // namespace

TEST(StatusReply, WordsBecomeBitsAndRunState)
{
    const auto standby = ReadStatusReply("0,0,48,0\r\n", Standby);
    ASSERT_TRUE(standby);
    EXPECT_EQ(SetBits(standby->statusBits), (std::vector<int>{3, 6}));
    EXPECT_EQ(RunState(runstate::OutputOn, standby->statusBits), runstate::Standby);

    const auto on = ReadStatusReply("2710,3E8,180,1", Standby);
    ASSERT_TRUE(on);
    EXPECT_DOUBLE_EQ(on->voltage, 10.0);
    EXPECT_DOUBLE_EQ(on->current, 1.0);
    EXPECT_EQ(SetBits(on->statusBits), (std::vector<int>{7, 8}));
    EXPECT_EQ(SetBits(on->faultBits), (std::vector<int>{0}));
    EXPECT_EQ(RunState(runstate::Standby, on->statusBits), runstate::OutputOn);

    // Standby wins when both bits are set; neither keeps the state.
    EXPECT_EQ(RunState(runstate::OutputOn, DecodeBits(0xC0)), runstate::Standby);
    EXPECT_EQ(RunState(runstate::OutputOn, DecodeBits(0x08)), runstate::OutputOn);
    // Bit 16 is the highest the panel keeps; a negative word still decodes.
    EXPECT_EQ(SetBits(DecodeBits(int32_t(0x80010000))), (std::vector<int>{16}));
}

TEST(StatusReply, ShortReplyStandsInWithKnobsOnlyWhileOutputIsOn)
{
    for (const QString reply : {QString(""), QString("9.999\r\n"), QString("1,2,3")}) {
        const auto idle = ReadStatusReply(reply, Standby);
        ASSERT_TRUE(idle) << reply.toStdString();
        EXPECT_EQ(idle->voltage, 0.0);
        EXPECT_EQ(idle->current, 0.0);
        EXPECT_EQ(idle->statusWord, 72);
        EXPECT_EQ(idle->faultWord, 0);
    }
    SimulatedSupply on = Standby;
    on.runState = runstate::OutputOn;
    on.simAlarms = 0x21;
    const auto live = ReadStatusReply("", on);
    ASSERT_TRUE(live);
    EXPECT_NEAR(live->voltage, 12.5, 1e-9);
    EXPECT_NEAR(live->current, 3.25, 1e-9);
    EXPECT_EQ(SetBits(live->faultBits), (std::vector<int>{0, 5}));
}

TEST(StatusReply, OverflowFailsAndLettersStopAField)
{
    EXPECT_FALSE(ReadStatusReply("123456789,0,48,0", Standby));
    EXPECT_FALSE(ReadStatusReply("0,0,48,1FFFFFFFF", Standby));
    // Overflow is found before a short reply would be replaced.
    EXPECT_FALSE(ReadStatusReply("123456789", Standby));

    const auto letters = ReadStatusReply("3E8XYZ,1G,4Q8,0 \r\n", Standby);
    ASSERT_TRUE(letters);
    EXPECT_DOUBLE_EQ(letters->voltage, 1.0);
    EXPECT_DOUBLE_EQ(letters->current, 0.001);
    EXPECT_EQ(letters->statusWord, 4);
    // Eight digits are a signed 32-bit word.
    const auto negative = ReadStatusReply("0,0,FFFFFFFF,0", Standby);
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->statusWord, -1);
}
