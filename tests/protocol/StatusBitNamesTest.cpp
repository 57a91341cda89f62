// The one set of names for the bits of the status and fault words.
#include "protocol/StatusBitNames.h"

#include <gtest/gtest.h>

namespace dalto::statusbits {
namespace {

TEST(StatusBitNames, SetBitsByNameLowestFirstUnnamedBitsLeftOut)
{
    // Status bits 1, 5 and 11 and fault bit 6 have no name.
    EXPECT_EQ(StateNames(0x0001 | 0x0002 | 0x0020 | 0x0080 | 0x0100 | 0x0400 | 0x0800, 0),
              QStringList({"ARM", "POWER", "Voltage CTL", "Current CTL"}));
    EXPECT_EQ(StateNames(0x0048, 0), QStringList({"INT CTL", "STANDBY"}));
    EXPECT_EQ(FaultNames(0x0001 | 0x0020 | 0x0040 | 0x0080 | 0x0100), QStringList({"OVT", "FSE", "ALM", "LOC"}));
    EXPECT_TRUE(FaultNames(0).isEmpty());
    // A negative word (bit 31 set) still names its low bits.
    EXPECT_EQ(FaultNames(int32_t(0x80000002u)), QStringList({"OCT"}));
}

TEST(StatusBitNames, RemoteIsAStateNotAFault)
{
    EXPECT_EQ(StateNames(0x0040, 0x0200), QStringList({"STANDBY", "REMOTE"}));
    EXPECT_TRUE(FaultNames(0x0200).isEmpty());
}

TEST(StatusBitNames, TheTwoCtlLampsShareACaptionNotAName)
{
    EXPECT_EQ(StatusLampCaption(8), StatusLampCaption(10));
    EXPECT_NE(StatusBitName(8), StatusBitName(10));
    EXPECT_TRUE(FaultLampCaption(7).isEmpty()) << "the alarm bit has no lamp";
}

} // namespace
} // namespace dalto::statusbits
