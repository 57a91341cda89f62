// Live status replies at the edges the panel tests do not reach: both run-state
// bits, bit 16, short replies, overflow, letters and blanks in a field.
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

TEST(StatusReply, RunStateAndBitsAtTheEdges)
{
    // Standby wins when both bits are set; neither keeps the state.
    EXPECT_EQ(RunState(runstate::OutputOn, DecodeBits(0xC0)), runstate::Standby);
    EXPECT_EQ(RunState(runstate::OutputOn, DecodeBits(0x08)), runstate::OutputOn);
    // Bit 16 is the highest the panel keeps; a negative word still decodes.
    EXPECT_EQ(SetBits(DecodeBits(int32_t(0x80010000))), (std::vector<int>{16}));
    // Any reply shorter than four fields is stood in for.
    const auto threeFields = ReadStatusReply("1,2,3", Standby);
    ASSERT_TRUE(threeFields);
    EXPECT_EQ(threeFields->statusWord, 72);
}

TEST(StatusReply, OverflowFailsLettersStopAFieldAndBlanksAreSkipped)
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

    // Blanks inside a field join its digits, also into an overflow.
    const auto blanks = ReadStatusReply("3 E8,0,4 8,\t1", Standby);
    ASSERT_TRUE(blanks);
    EXPECT_DOUBLE_EQ(blanks->voltage, 1.0);
    EXPECT_EQ(blanks->statusWord, 0x48);
    EXPECT_EQ(blanks->faultWord, 1);
    EXPECT_FALSE(ReadStatusReply("0,0,48,1FFF FFFFF", Standby));
}
