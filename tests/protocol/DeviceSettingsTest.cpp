#include "protocol/DeviceSettings.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(NumberFormats, FollowTheFullScaleDecades)
{
    EXPECT_EQ(FormatForFullScale(7.999f), "0.000");
    EXPECT_EQ(FormatForFullScale(8), "0.00");
    EXPECT_EQ(FormatForFullScale(79.9f), "0.00");
    EXPECT_EQ(FormatForFullScale(80), "0.0");
    EXPECT_EQ(FormatForFullScale(800), "0.");
    EXPECT_EQ(FormatForFullScale(8000), "0.");
    EXPECT_FALSE(FormatForFullScale(8000.5f).has_value());
}

TEST(NumberFormats, ChooseReportsAFullScaleAboveEightThousand)
{
    SharedState state;
    SetRatings(state, 15, 100);
    EXPECT_TRUE(ChooseNumberFormats(state));
    EXPECT_EQ(state.VoltFormat, "0.00");
    EXPECT_EQ(state.CurrFormat, "0.0");

    SetRatings(state, 8000.5f, 5);
    EXPECT_FALSE(ChooseNumberFormats(state));
    EXPECT_EQ(state.VoltFormat, "");
    EXPECT_EQ(state.CurrFormat, "0.000");
}

TEST(DeviceSettings, RatingsDeriveTripBoundsInSinglePrecisionAndKeepACopy)
{
    SharedState state;
    SetRatings(state, 15, 100);
    EXPECT_EQ(state.Ratings[2], 15.0f * 1.1f);
    EXPECT_EQ(state.Ratings[3], 15.0f * 0.1f);
    EXPECT_EQ(state.Ratings[6], 100.0f * 1.1f);
    EXPECT_EQ(state.Ratings[7], 100.0f * 0.1f);

    state.Ratings[0] = 99;
    RestoreRatings(state);
    EXPECT_EQ(state.Ratings[0], 15.0f);
}

TEST(DeviceSettings, SavedCopiesUndoAnEdit)
{
    SharedState state;
    SetDeviceState(state, 5, 1, 16.5f, 110, 3, 2);
    state.DeviceState[0] = 7;
    RestoreDeviceState(state);
    EXPECT_EQ(state.DeviceState[0], 5.0f);
    EXPECT_EQ(state.DeviceState[4], 3.0f);

    state.PotValues = {1, 2, 3, 4, 5};
    SavePotValues(state);
    state.PotValues[2] = 200;
    RestorePotValues(state);
    EXPECT_EQ(state.PotValues[2], 3);
}
